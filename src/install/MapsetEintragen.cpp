#include "install/MapsetEintragen.h"

#include "catalogue/Registration.h"
#include "platform/FoundPath.h"

namespace mapsetdesk {
namespace {

void writeProductsLayout(Registry& registry, const MapsetRegistration& r) {
  const std::string key = r.vRegistryKey + r.fidText;
  const Root hklm = Root::LocalMachine;
  fStringSpeichern(registry, hklm, key, kValueTdb, r.pfad + r.mapname + ".TDB");
  fStringSpeichern(registry, hklm, key, kValueBmap, r.pfad + r.mapname + ".img");
  fStringSpeichern(registry, hklm, key, kValueLoc, r.pfad);
}

void writeFamiliesLayout(Registry& registry, Dialogs& dialogs, const std::string& fehler29,
                         RegWriteCheck& check, const MapsetRegistration& r) {
  const Root hklm = Root::LocalMachine;
  const std::string familyKey = r.vRegistryKey + r.mapname + std::to_string(r.fid);
  const std::string productKey = familyKey + "\\1";
  ffStringSpeichern(registry, hklm, familyKey, kValueId, fidByteText(r.fid));
  check.vRegkeybin = fRegAbfrageWert(registry, hklm, familyKey, kValueId);
  const std::string typ = r.pfad + r.mapname + ".TYP";
  const struct {
    const std::string& key;
    const char* name;
    std::string text;
  } writes[] = {
      {productKey, kValueTdb, r.pfad + r.mapname + ".TDB"},
      {productKey, kValueBmap, r.pfad + r.mapname + ".img"},
      {productKey, kValueLoc, r.pfad},
  };
  for (const auto& write : writes) {
    HKCUStringSpeichern(registry, dialogs, fehler29, check, hklm, write.key, write.name,
                        write.text);
    if (!check.vRegkey) return;
  }
  if (isFileAnyCase(typ))
    HKCUStringSpeichern(registry, dialogs, fehler29, check, hklm, familyKey, kValueTyp, typ);
}

}  // namespace

void MapsetEintragen(Registry& registry, Dialogs& dialogs, const std::string& fehler29,
                     RegWriteCheck& check, const MapsetRegistration& registration) {
  check.vRegkey = true;
  if (registration.vRegistryKey == rootKeyPath(registration.base, RegistrationRoot::Products))
    writeProductsLayout(registry, registration);
  else if (registration.vRegistryKey ==
           rootKeyPath(registration.base, RegistrationRoot::Families))
    writeFamiliesLayout(registry, dialogs, fehler29, check, registration);
}

}  // namespace mapsetdesk
