#include "transfer/RegistrationFiles.h"

#include "platform/Blanks.h"
#include "platform/FoundPath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

// The file a path value names, by the name the file really has.
std::string valueOf(Registry& registry, const std::string& key, const std::string& name) {
  const std::string value = fRegAbfrageWert(registry, Root::LocalMachine, key, name);
  return foundPath(std::string(trimBlanks(value)));
}

// The family key of a family-root entry; empty for the Products layout,
// which has no family values.
std::string familyKeyOf(const std::string& base, const CatalogueEntry& entry) {
  if (entry.root == RegistrationRoot::Products) return {};
  return familyKeyPath(base, entry.root, entry.subkeyPath.substr(0, entry.subkeyPath.find('\\')));
}

std::string pathFor(const std::vector<RegistrationFile>& files, const char* valueName) {
  for (const RegistrationFile& file : files)
    if (file.valueName == valueName) return file.path;
  return {};
}

}  // namespace

std::vector<RegistrationFile> registrationFiles(Registry& registry, const std::string& base,
                                                const CatalogueEntry& entry) {
  const std::string family = familyKeyOf(base, entry);
  const std::string product = rootKeyPath(base, entry.root) + entry.subkeyPath;
  std::vector<RegistrationFile> files;
  for (const char* name : {"TRF", kValueMdr, kValueIdx, kValueTyp})
    files.push_back({name, family.empty() ? std::string() : valueOf(registry, family, name)});
  files.push_back({kValueTdb, valueOf(registry, product, kValueTdb)});
  files.push_back({kValueBmap, valueOf(registry, product, kValueBmap)});
  return files;
}

ExistingMapset registeredMapset(Registry& registry, const std::string& base,
                                const CatalogueEntry& entry) {
  const std::vector<RegistrationFile> files = registrationFiles(registry, base, entry);
  ExistingMapset mapset;
  mapset.tiles = entry.tileFolder;
  mapset.tdb = pathFor(files, kValueTdb);
  mapset.overview = pathFor(files, kValueBmap);
  mapset.typ = pathFor(files, kValueTyp);
  mapset.index = pathFor(files, kValueIdx);
  mapset.mdr = pathFor(files, kValueMdr);
  mapset.trf = pathFor(files, "TRF");
  mapset.name = entry.mapsetName;
  mapset.fid = entry.fid;
  mapset.pid = entry.pid;
  return mapset;
}

}  // namespace mapsetdesk
