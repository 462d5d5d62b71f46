#include "check/PackageFindings.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/FidAllocation.h"
#include "check/MapsetFileFindings.h"
#include "edit/FidChange.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "platform/CountingDialogs.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// Only a folder named *.gmap is a package to BaseCamp; any other folder in
// a map folder (a backup, an old copy) is none of its business.
bool isPackageName(const std::string& name) {
  constexpr std::string_view kExtension = ".gmap";
  if (name.size() <= kExtension.size()) return false;
  return std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                    [](char a, char b) {
                      return a == std::tolower(static_cast<unsigned char>(b));
                    });
}

std::vector<std::string> packageFolders(const std::string& mapFolder) {
  std::vector<std::string> folders;
  std::error_code error;
  for (fs::directory_iterator it(filePath(mapFolder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    if (it->is_directory(kindError) && isPackageName(pathText(it->path().filename())))
      folders.push_back(pathText(it->path()));
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

void noteInfoXml(const std::string& folder, Findings& findings) {
  const std::string infoXml = joinPath(folder, std::string(kInfoXmlName));
  Finding finding;
  finding.mapset = {pathText(filePath(folder).filename()), {}, {}};
  finding.kind = isFileAnyCase(infoXml) ? FindingKind::InfoXmlDamaged : FindingKind::InfoXmlMissing;
  finding.subject = infoXml;
  findings.push_back(finding);
}

void checkProduct(GmapCatalogue& catalogue, std::size_t index, Findings& findings) {
  GmapRow& row = catalogue.rows[index];
  Finding about;
  about.mapset = {row.display, row.fid, row.pid};
  about.packageRow = index;
  if (!isFileAnyCase(row.tdb)) {
    findings.push_back(findingAbout(about, FindingKind::TdbMissing, row.tdb));
    return;
  }
  const TdbFacts tdb = checkTdbFile(row.tdb, about, findings);
  const std::string folder = packageFolder(row);
  const std::string products = joinPath(folder, productFolder(row.pid));
  for (const TdbTile& tile : tdb.tiles) {
    const std::string tileFolder = joinPath(products, tileName(tile.mapNumber));
    if (!isFolderAnyCase(tileFolder))
      findings.push_back(findingAbout(about, FindingKind::TileMissing, tileFolder));
  }
  // The TDB is what BaseCamp reads the FID from; Info.xml, index and TYP
  // follow it.
  const auto listed = static_cast<std::uint16_t>(fidCellValue(row.fid));
  const std::uint16_t fid = tdb.fidField != 0 ? tdb.fidField : listed;
  if (tdb.readable && fid != listed) {
    Finding wrong = findingAbout(about, FindingKind::InfoXmlIdWrong, row.infoXml);
    wrong.repair = RepairKind::InfoXmlId;
    wrong.file = foundPath(row.infoXml);
    wrong.fid = fid;
    findings.push_back(wrong);
    // The repair makes it so; the duplicate check and a FID change after it
    // count with the FID the package will have.
    row.fid = std::to_string(fid);
  }
  if (row.index != kNoIndexFile) checkIndexFile(joinPath(folder, row.index), fid, about, findings);
  const auto typ = packageTypName(row.infoXml);
  if (typ && !typ->empty()) checkTypFile(joinPath(folder, *typ), fid, about, findings);
}

}  // namespace

GmapCatalogue checkPackages(const GmapFolders& folders, Findings& findings) {
  GmapCatalogue catalogue;
  catalogue.listed = true;
  for (const std::string* mapFolder : {&folders.allUsers, &folders.user, &folders.baseCamp}) {
    if (!isFolder(*mapFolder)) continue;
    for (const std::string& folder : packageFolders(*mapFolder)) {
      // The catalogue's reader tells of a missing or damaged Info.xml in a
      // message; here that message becomes a finding instead of a box.
      CountingDialogs notes;
      gmpInfoXmlLesen(folder, catalogue, notes);
      if (notes.messages > 0) noteInfoXml(folder, findings);
    }
  }
  for (std::size_t index = 0; index < catalogue.rows.size(); ++index)
    checkProduct(catalogue, index, findings);
  return catalogue;
}

}  // namespace mapsetdesk
