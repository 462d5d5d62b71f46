#include "catalogue/GmapCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "catalogue/CatalogueMessages.h"
#include "formats/FileBytes.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

std::string garminMapsBelow(const std::string& specialFolder) {
  if (specialFolder.empty()) return {};
  return joinPath(joinPath(specialFolder, "GARMIN"), "Maps");
}

// Names of the entries of folder that are folders (or else files), sorted,
// so that packages are read in the same order on every system.
std::vector<std::string> entryNames(const std::string& folder, bool folders) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    const bool isDirectory = it->is_directory(kindError);
    const bool isRegular = it->is_regular_file(kindError);
    if (folders ? isDirectory : isRegular) names.push_back(pathText(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool endsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The package's description: the file named Info.xml, else the first whose
// name ends so; empty when there is none.
std::string infoXmlName(const std::string& folder) {
  std::string found;
  for (const std::string& name : entryNames(folder, false)) {
    if (name == kInfoXmlName) return name;
    if (found.empty() && endsWith(name, kInfoXmlName)) found = name;
  }
  return found;
}

void appendRows(const std::string& folder, const std::string& infoXml,
                const InfoXmlContent& content, GmapCatalogue& catalogue) {
  for (const InfoXmlProduct& product : content.products) {
    GmapRow row;
    row.display = "gmap; " + product.name + "; FID:" + content.fid + ";PID:" + product.number;
    row.infoXml = infoXml;
    row.tdb = joinPath(joinPath(folder, productFolder(product.number)), product.tdbFile);
    row.pid = product.number;
    row.fid = content.fid;
    row.index = content.index;
    row.name = product.name;
    row.typ = content.typ;
    catalogue.rows.push_back(std::move(row));
  }
}

}  // namespace

GmapFolders gmapFolders(Registry& registry, SystemFacts& facts, const std::string& base) {
  GmapFolders folders;
  folders.allUsers = garminMapsBelow(facts.specialFolder(kFolderCommonAppData));
  folders.user = garminMapsBelow(facts.specialFolder(kFolderAppData));
  const std::string installDir =
      fRegAbfrageWert(registry, Root::LocalMachine, base + kBaseCampKey, kBaseCampInstallDir);
  if (!installDir.empty()) folders.baseCamp = joinPath(installDir, "Maps");
  return folders;
}

GmapCatalogue GMPFileslisten(const GmapFolders& folders, Dialogs& dialogs) {
  GmapCatalogue catalogue;
  catalogue.listed = true;
  catalogue.noMapFolder = !isFolder(folders.allUsers) && !isFolder(folders.user);
  for (const std::string* mapFolder : {&folders.allUsers, &folders.user, &folders.baseCamp}) {
    if (!isFolder(*mapFolder)) continue;
    for (const std::string& name : entryNames(*mapFolder, true))
      gmpInfoXmlLesen(joinPath(*mapFolder, name), catalogue, dialogs);
  }
  std::stable_sort(catalogue.rows.begin(), catalogue.rows.end(),
                   [](const GmapRow& a, const GmapRow& b) { return a.display < b.display; });
  return catalogue;
}

void gmpInfoXmlLesen(const std::string& folder, GmapCatalogue& catalogue, Dialogs& dialogs) {
  if (!isFolder(folder)) return;
  const std::string name = infoXmlName(folder);
  if (name.empty()) {
    dialogs.message({missingInfoXmlText(folder), kCatalogueTitle, Buttons::Ok, Icon::None});
    return;
  }
  const std::string infoXml = joinPath(folder, name);
  const FileContent file = readFileBytes(infoXml);
  InfoXmlContent content;
  if (file.status == FileStatus::Ok)
    content = parseInfoXml(file.bytes);
  else
    content.damaged = true;  // unreadable: as good as damaged
  appendRows(folder, infoXml, content, catalogue);
  if (content.damaged)
    dialogs.message({damagedInfoXmlText(infoXml), kCatalogueTitle, Buttons::Ok, Icon::None});
}

std::string packageFolder(const GmapRow& row) {
  return pathText(filePath(row.infoXml).parent_path());
}

}  // namespace mapsetdesk
