#include "check/PackageFindings.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/FidAllocation.h"
#include "check/MapsetFileFindings.h"
#include "edit/FidChange.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// The catalogue's reader tells of a missing or damaged Info.xml in a
// message; here that message becomes a finding instead of a box.
class NotedMessages : public Dialogs {
 public:
  Answer message(const Message&) override {
    ++count;
    return Answer::Ok;
  }
  std::optional<std::string> chooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFile(const std::string&, const std::string&,
                                        const std::string&) override {
    return std::nullopt;
  }
  int count = 0;
};

std::vector<std::string> packageFolders(const std::string& mapFolder) {
  std::vector<std::string> folders;
  std::error_code error;
  for (fs::directory_iterator it(filePath(mapFolder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    if (it->is_directory(kindError)) folders.push_back(pathText(it->path()));
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

void checkProduct(const GmapCatalogue& catalogue, std::size_t index, Findings& findings) {
  const GmapRow& row = catalogue.rows[index];
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
  const auto fid = static_cast<std::uint16_t>(fidCellValue(row.fid));
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
      NotedMessages notes;
      gmpInfoXmlLesen(folder, catalogue, notes);
      if (notes.count > 0) noteInfoXml(folder, findings);
    }
  }
  for (std::size_t index = 0; index < catalogue.rows.size(); ++index)
    checkProduct(catalogue, index, findings);
  return catalogue;
}

}  // namespace mapsetdesk
