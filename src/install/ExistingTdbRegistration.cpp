#include "install/ExistingTdbRegistration.h"

#include "catalogue/Registration.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

// The spellings this registration has always written; registry names
// ignore case, so readers find them as "TYP", "BMAP" and "LOC".
constexpr char kTypName[] = "Typ";
constexpr char kBmapName[] = "Bmap";
constexpr char kLocName[] = "Loc";

void writeIfFile(Registry& registry, const std::string& key, const char* name,
                 const std::string& path) {
  if (isFile(path)) fStringSpeichern(registry, Root::LocalMachine, key, name, path);
}

}  // namespace

std::string existingFamilyKeyName(const ExistingMapset& mapset) {
  return familyKeyNameFromTdb(mapset.nameArea, mapset.fid);
}

void registerExistingMapset(Registry& registry, const std::string& base,
                            const ExistingMapset& mapset, const std::string& typCopy) {
  const std::string family = existingFamilyKeyName(mapset);
  const std::string familyKey = familyKeyPath(base, RegistrationRoot::Families, family);
  const std::string productKey =
      productKeyPath(base, RegistrationRoot::Families, family, mapset.pid);
  writeIfFile(registry, familyKey, kTypName, typCopy);
  writeIfFile(registry, familyKey, kValueIdx, mapset.index);
  writeIfFile(registry, familyKey, kValueMdr, mapset.mdr);
  ffStringSpeichern(registry, Root::LocalMachine, familyKey, kValueId, fidByteText(mapset.fid));
  fStringSpeichern(registry, Root::LocalMachine, productKey, kLocName, mapset.tiles);
  fStringSpeichern(registry, Root::LocalMachine, productKey, kBmapName, mapset.overview);
  fStringSpeichern(registry, Root::LocalMachine, productKey, kValueTdb, mapset.tdb);
  writeIfFile(registry, familyKey, kValueTrf, mapset.trf);
}

}  // namespace mapsetdesk
