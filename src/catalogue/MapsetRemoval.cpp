#include "catalogue/MapsetRemoval.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "formats/GmapPackage.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

bool sameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  return fs::equivalent(filePath(a), filePath(b), error) && !error;
}

// Whether the product key is gone afterwards: without write rights on the
// machine's keys, or while MapSource holds them, the deletion fails silently.
// A key the user may not even open still counts as there.
bool deleteProductKeys(Registry& registry, const std::string& base, const CatalogueEntry& entry) {
  const std::string& subkey = entry.subkeyPath;
  if (subkey.empty()) return true;
  const std::string root = rootKeyPath(base, entry.root);
  fSchluesselLoeschen(registry, Root::LocalMachine, root + subkey);
  if (registry.keyExists(Root::LocalMachine, toAnsi(root + subkey))) return false;
  const auto separator = subkey.find('\\');
  if (entry.root == RegistrationRoot::Products || separator == std::string::npos) return true;
  const std::string familyKey = root + subkey.substr(0, separator);
  if (fSubkeysListen(registry, Root::LocalMachine, familyKey).empty())
    fSchluesselLoeschen(registry, Root::LocalMachine, familyKey);
  return true;
}

// The other mapset that names the file, as its list shows it.
std::optional<std::string> otherUser(const RegistryCatalogue& catalogue, std::size_t removed,
                                     const GmapCatalogue& packages, const std::string& file) {
  for (std::size_t i = 0; i < catalogue.rows.size(); ++i) {
    const CatalogueEntry& entry = catalogue.rows[i].entry;
    if (i != removed && (sameFile(entry.tdb, file) || sameFile(entry.overview, file)))
      return catalogue.rows[i].cells.name;
  }
  for (const GmapRow& row : packages.rows) {
    if (sameFile(row.tdb, file)) return row.display;
  }
  return std::nullopt;
}

bool endsWithIgnoringCase(const std::string& text, std::string_view tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

bool inMapFolder(const fs::path& folder, const GmapFolders& mapFolders) {
  std::error_code error;
  for (const std::string* mapFolder :
       {&mapFolders.allUsers, &mapFolders.user, &mapFolders.baseCamp}) {
    if (!mapFolder->empty() && fs::equivalent(folder.parent_path(), filePath(*mapFolder), error))
      return true;
  }
  return false;
}

}  // namespace

RegistrationRemoval removeRegistration(Registry& registry, FolderOps& folders,
                                       const std::string& base, const RegistryCatalogue& catalogue,
                                       std::size_t row, const GmapCatalogue& packages) {
  RegistrationRemoval removal;
  if (row >= catalogue.rows.size()) return removal;
  const CatalogueEntry& entry = catalogue.rows[row].entry;
  if (!deleteProductKeys(registry, base, entry)) {
    removal.keyKept = true;
    return removal;
  }
  for (const std::string* file : {&entry.tdb, &entry.overview}) {
    if (!isFileAnyCase(*file)) continue;
    if (const auto user = otherUser(catalogue, row, packages, *file)) {
      removal.kept.push_back({*file, *user});
      continue;
    }
    const RemoveStatus status = folders.removeFile(foundPath(*file)).status;
    if (status == RemoveStatus::Denied || status == RemoveStatus::Failed) removal.denied = true;
  }
  return removal;
}

PackageRemoval removePackage(FolderOps& folders, const GmapFolders& mapFolders,
                             const std::string& infoXml) {
  if (infoXml.empty()) return {PackageRemovalStatus::Refused, {}, {}};
  const fs::path description = filePath(infoXml).lexically_normal();
  const fs::path folder = description.parent_path();
  PackageRemoval removal{PackageRemovalStatus::Refused, pathText(folder), {}};
  const bool namesInfoXml = endsWithIgnoringCase(pathText(description.filename()), kInfoXmlName);
  const bool looksLikePackage = endsWithIgnoringCase(pathText(folder.filename()), kGmapSuffix) ||
                                isFile(pathText(description));
  if (!namesInfoXml || !folder.has_filename() || !looksLikePackage ||
      !inMapFolder(folder, mapFolders))
    return removal;
  const RemoveResult result = folders.removeFolder(removal.folder);
  const bool gone =
      result.status == RemoveStatus::Removed || result.status == RemoveStatus::Missing;
  removal.status = gone ? PackageRemovalStatus::Removed : PackageRemovalStatus::Failed;
  removal.error = result.error;
  return removal;
}

}  // namespace mapsetdesk
