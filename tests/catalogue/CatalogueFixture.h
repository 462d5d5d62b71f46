#pragma once
// The catalogue's tests run over the registry of this build (a file
// registry here, the real registry under Wine) below a scratch base of their
// own, with mapset files copied from mkgmap's and map folders in a scratch
// folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "support/FakeSystemFacts.h"
#include "support/RealMapsets.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/TestRegistry.h"

namespace mapsetdesk::testing {

inline constexpr const char* kFehler25English =
    "Missing in Registrykey the entry for value 'TDB=' . You must insert it or delete the key "
    "complett. : ";

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest();
  void SetUp() override;
  void TearDown() override { dialogs.expectAllTaken(); }

  Registry& registry() { return testRegistry_.registry(); }
  const std::string& base() const { return testRegistry_.base(Root::LocalMachine); }

  // A real TDB and overview in the scratch folder's "Karten" folder.
  MapsetFiles mapset(const std::string& baseName, const std::string& name, std::uint16_t fid,
                     std::uint16_t pid);
  void registerFamily(const std::string& family, const std::string& product,
                      const MapsetFiles& files, RegistrationRoot root = RegistrationRoot::Families,
                      const std::string& typ = {});
  void registerProducts(const std::string& subkey, const MapsetFiles& files);

  RegistryCatalogue listRegistry();
  GmapFolders mapFolders();
  GmapCatalogue listPackages();

  // GARMIN\Maps of all users and of the user.
  std::filesystem::path allUsersMaps() const { return folder / "ProgramData" / "GARMIN" / "Maps"; }
  std::filesystem::path userMaps() const { return folder / "Roaming" / "GARMIN" / "Maps"; }

  TempDir folder;
  RealMapsets mapsets;
  FakeSystemFacts facts;
  ScriptedDialogs dialogs;

 private:
  TestRegistry testRegistry_;
};

}  // namespace mapsetdesk::testing
