#include "install/InstallClashes.h"

#include "app/Settings.h"
#include "catalogue/Registration.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

constexpr const char* kGeneratedExtensions[] = {".tdb", ".img", ".mp", ".mdx"};
constexpr RegistrationRoot kFamilyRoots[] = {RegistrationRoot::Families,
                                             RegistrationRoot::FamiliesNT};
constexpr std::string_view kBases[] = {kRegistryBase32, kRegistryBase64};

std::string folderName(const std::string& path) { return pathText(filePath(path).filename()); }

std::string familyKeyNameOf(const CatalogueEntry& entry) {
  return entry.subkeyPath.substr(0, entry.subkeyPath.find('\\'));
}

bool namesFile(const CatalogueRow& row, const std::string& path) {
  const CatalogueEntry& entry = row.entry;
  return samePathAnyCase(entry.tdb, path) || samePathAnyCase(entry.overview, path) ||
         samePathAnyCase(entry.typ, path);
}

std::optional<InstallClash> fileClash(const RegistryCatalogue& registry, const std::string& path) {
  for (const CatalogueRow& row : registry.rows)
    if (namesFile(row, path)) return InstallClash{ClashKind::File, path, row.cells.name};
  return std::nullopt;
}

// The window writes the IDs and the name into the TDB it is given, which
// must not be an installed mapset's.
std::optional<InstallClash> installedTdbClash(const InstalledMapsets& installed,
                                              const std::string& tdb) {
  for (const CatalogueRow& row : installed.registry.rows)
    if (samePathAnyCase(row.entry.tdb, tdb))
      return InstallClash{ClashKind::RegisteredTdb, tdb, row.cells.name};
  for (const GmapRow& row : installed.packages.rows)
    if (samePathAnyCase(row.tdb, tdb))
      return InstallClash{ClashKind::RegisteredTdb, tdb, row.display};
  return std::nullopt;
}

// A package folder of the same name in any map folder confuses BaseCamp as
// much as one in the same folder.
std::optional<InstallClash> packageClash(const GmapCatalogue& packages,
                                         const std::string& folder) {
  const std::string name = folderName(folder);
  for (const GmapRow& row : packages.rows) {
    const std::string listed = packageFolder(row);
    if (sameNameAnyCase(folderName(listed), name))
      return InstallClash{ClashKind::PackageFolder, listed, folderName(listed)};
  }
  if (isFolderAnyCase(folder) || isFileAnyCase(folder))
    return InstallClash{ClashKind::PackageFolder, folder, name};
  return std::nullopt;
}

std::string mapsetOfFamily(const RegistryCatalogue& registry, const std::string& keyName) {
  for (const CatalogueRow& row : registry.rows)
    if (row.entry.root != RegistrationRoot::Products &&
        sameNameAnyCase(familyKeyNameOf(row.entry), keyName))
      return row.cells.name;
  return keyName;
}

std::optional<InstallClash> familyKeyClash(Registry& registry, const RegistryCatalogue& listed,
                                           const std::string& keyName) {
  for (const std::string_view base : kBases)
    for (const RegistrationRoot root : kFamilyRoots) {
      const std::string key = familyKeyPath(std::string(base), root, keyName);
      if (registry.keyExists(Root::LocalMachine, toAnsi(key)))
        return InstallClash{ClashKind::FamilyKey, key, mapsetOfFamily(listed, keyName)};
    }
  return std::nullopt;
}

bool isInside(const std::string& path, const std::string& folder) {
  if (path.empty()) return false;
  const std::string inner = pathText(filePath(path).lexically_normal());
  std::string outer = pathText(filePath(folder).lexically_normal());
  if (!outer.empty() && outer.back() != '/' && outer.back() != '\\')
    outer += pathText(filePath("/").make_preferred());
  return inner.size() >= outer.size() &&
         sameNameAnyCase(std::string_view(inner).substr(0, outer.size()), outer);
}

}  // namespace

std::optional<InstallClash> registrationInside(const RegistryCatalogue& registry,
                                               const std::string& folder) {
  for (const CatalogueRow& row : registry.rows) {
    const CatalogueEntry& entry = row.entry;
    for (const std::string* path : {&entry.tdb, &entry.overview, &entry.typ, &entry.tileFolder})
      if (isInside(*path, folder)) return InstallClash{ClashKind::File, *path, row.cells.name};
  }
  return std::nullopt;
}

std::optional<InstallClash> newMapsetClash(Registry& registry, const InstalledMapsets& installed,
                                           const std::string& outputFolder,
                                           const std::string& mapname, std::uint16_t fid,
                                           const std::string& packageFolder) {
  for (const char* extension : kGeneratedExtensions)
    if (auto clash = fileClash(installed.registry, joinPath(outputFolder, mapname + extension)))
      return clash;
  if (auto clash = packageClash(installed.packages, packageFolder)) return clash;
  return familyKeyClash(registry, installed.registry, mapname + std::to_string(fid));
}

std::optional<InstallClash> existingMapsetClash(Registry& registry,
                                                const InstalledMapsets& installed,
                                                const std::string& tdb,
                                                const std::string& familyKeyName,
                                                const std::string& packageFolder) {
  if (auto clash = installedTdbClash(installed, tdb)) return clash;
  if (!packageFolder.empty()) return packageClash(installed.packages, packageFolder);
  return familyKeyClash(registry, installed.registry, familyKeyName);
}

}  // namespace mapsetdesk
