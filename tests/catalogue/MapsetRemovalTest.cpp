// Removal of registrations and gmap packages over real keys and files.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/CatalogueFixture.h"
#include "catalogue/MapsetRemoval.h"
#include "formats/InfoXml.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"
#include "support/DenyingFolderOps.h"
#include "support/RefusingRegistry.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path) { return fs::exists(filePath(path)); }

class MapsetRemoval : public CatalogueTest {
 protected:
  bool keyExists(const std::string& path) {
    return registry().canOpen(Root::LocalMachine, toAnsi(path));
  }
  std::string families() const { return base() + "\\Garmin\\MapSource\\Families\\"; }

  // Lists, then removes the row whose subkey path is given.
  RegistrationRemoval remove(const std::string& subkey, FolderOps& folders) {
    const RegistryCatalogue catalogue = listRegistry();
    const GmapCatalogue packages = listPackages();
    for (std::size_t row = 0; row < catalogue.rows.size(); ++row) {
      if (catalogue.rows[row].entry.subkeyPath == subkey)
        return removeRegistration(registry(), folders, base(), catalogue, row, packages);
    }
    ADD_FAILURE() << "no row " << subkey;
    return {};
  }
  RegistrationRemoval remove(const std::string& subkey) { return remove(subkey, *system_); }

  std::unique_ptr<FolderOps> system_ = openSystemFolderOps(dialogs);
};

TEST_F(MapsetRemoval, OneOfTwoProductsLeavesTheFamilyAndTheOtherProduct) {
  const MapsetFiles first = mapset("Topo1", "Topo Nord", 30, 1);
  const MapsetFiles second = mapset("Topo2", "Topo Sued", 30, 2);
  registerFamily("Topo30", "1", first, RegistrationRoot::Families, "C:\\harz.typ");
  registerFamily("Topo30", "2", second);

  const RegistrationRemoval removal = remove("Topo30\\1");
  EXPECT_FALSE(removal.denied);
  EXPECT_TRUE(removal.kept.empty());
  EXPECT_FALSE(keyExists(families() + "Topo30\\1"));
  EXPECT_TRUE(keyExists(families() + "Topo30\\2"));
  EXPECT_EQ(fRegAbfrageWert(registry(), Root::LocalMachine, families() + "Topo30", "TYP"),
            "C:\\harz.typ");
  EXPECT_FALSE(exists(first.tdb));
  EXPECT_FALSE(exists(first.overview));
  EXPECT_TRUE(exists(second.tdb));
  EXPECT_TRUE(exists(second.overview));
  EXPECT_EQ(listRegistry().rows.size(), 1u);
}

TEST_F(MapsetRemoval, TheOnlyProductTakesItsFamilyKeyAlong) {
  const MapsetFiles files = mapset("Allein", "Allein", 31, 1);
  registerFamily("Allein31", "1", files);
  remove("Allein31\\1");
  EXPECT_FALSE(keyExists(families() + "Allein31"));
  EXPECT_TRUE(keyExists(families()));
  EXPECT_FALSE(exists(files.tdb));
  EXPECT_FALSE(exists(files.overview));
  EXPECT_TRUE(fs::is_directory(filePath(files.tiles)));
}

TEST_F(MapsetRemoval, AProductsEntryTakesOnlyItsSubkey) {
  registerProducts("32", mapset("Alt32", "Alt", 32, 1));
  registerProducts("33", mapset("Alt33", "Noch alt", 33, 1));
  remove("32");
  const std::string products = base() + "\\Garmin\\MapSource\\Products\\";
  EXPECT_FALSE(keyExists(products + "32"));
  EXPECT_TRUE(keyExists(products + "33"));
  remove("33");
  EXPECT_TRUE(keyExists(products));
}

TEST_F(MapsetRemoval, AFamiliesNtEntryIsRemovedBelowItsOwnRoot) {
  const MapsetFiles files = mapset("Nt", "Nt Karte", 34, 1);
  registerFamily("Nt34", "1", files, RegistrationRoot::FamiliesNT);
  remove("Nt34\\1");
  EXPECT_FALSE(keyExists(base() + "\\Garmin\\MapSource\\FamiliesNT\\Nt34"));
  EXPECT_FALSE(exists(files.tdb));
}

TEST_F(MapsetRemoval, ABrokenEntryLosesItsKeysAndTheFileThatIsLeft) {
  const MapsetFiles files = mapset("Kaputt", "Kaputt", 35, 1);
  fs::remove(filePath(files.tdb));
  registerFamily("Kaputt35", "1", files);
  EXPECT_EQ(listRegistry().rows.at(0).cells.name, "!! TDB-File fehlt !!");
  remove("Kaputt35\\1");
  EXPECT_FALSE(keyExists(families() + "Kaputt35"));
  EXPECT_FALSE(exists(files.overview));
}

TEST_F(MapsetRemoval, AFolderNamedAsOverviewIsNeverDeleted) {
  MapsetFiles files = mapset("Ordner", "Ordner", 36, 1);
  files.overview = files.tiles;
  registerFamily("Ordner36", "1", files);
  remove("Ordner36\\1");
  EXPECT_FALSE(exists(files.tdb));
  EXPECT_TRUE(fs::is_directory(filePath(files.tiles)));
}

TEST_F(MapsetRemoval, FilesThatAnotherRegistrationNamesStay) {
  const MapsetFiles files = mapset("Geteilt", "Geteilt", 37, 1);
  registerFamily("Erste37", "1", files);
  registerProducts("37", files);
  const RegistrationRemoval removal = remove("Erste37\\1");
  EXPECT_FALSE(keyExists(families() + "Erste37"));
  EXPECT_TRUE(exists(files.tdb));
  EXPECT_TRUE(exists(files.overview));
  ASSERT_EQ(removal.kept.size(), 2u);
  EXPECT_EQ(removal.kept[0].file, files.tdb);
  EXPECT_EQ(removal.kept[0].user, "Geteilt");
  EXPECT_EQ(removal.kept[1].file, files.overview);
  // The last one to name them takes them along.
  EXPECT_TRUE(remove("37").kept.empty());
  EXPECT_FALSE(exists(files.tdb));
}

TEST_F(MapsetRemoval, ATdbInsideAPackageStaysWithThePackage) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  MapsetFiles files = mapset("Paket", "Paket", 38, 1);
  files.tdb = pathOf(package / "Product3" / "osmmap.tdb");
  registerFamily("Paket38", "1", files);
  const RegistrationRemoval removal = remove("Paket38\\1");
  ASSERT_EQ(removal.kept.size(), 1u);
  EXPECT_EQ(removal.kept[0].user, "gmap; Harzkarte Süd; FID:4711;PID:3");
  EXPECT_TRUE(exists(files.tdb));
  EXPECT_FALSE(exists(files.overview));
}

TEST_F(MapsetRemoval, ARefusedDeletionLeavesTheFileButNotTheKeys) {
  const MapsetFiles files = mapset("Offen", "Offen", 39, 1);
  registerFamily("Offen39", "1", files);
  DenyingFolderOps denying;
  const RegistrationRemoval removal = remove("Offen39\\1", denying);
  EXPECT_TRUE(removal.denied);
  EXPECT_EQ(denying.refused, (std::vector<std::string>{files.tdb, files.overview}));
  EXPECT_FALSE(keyExists(families() + "Offen39"));
  EXPECT_TRUE(exists(files.tdb));
}

TEST_F(MapsetRemoval, AProductKeyThatCannotBeDeletedKeepsItsFiles) {
  const MapsetFiles files = mapset("Fest", "Fest", 41, 1);
  registerFamily("Fest41", "1", files);
  RefusingRegistry refusing(registry());
  refusing.refuseWrites();
  const RegistrationRemoval removal = removeRegistration(
      refusing, *system_, base(), listRegistry(), 0, listPackages());
  EXPECT_TRUE(removal.keyKept);
  EXPECT_FALSE(removal.denied);
  EXPECT_TRUE(removal.kept.empty());
  EXPECT_TRUE(keyExists(families() + "Fest41\\1"));
  EXPECT_TRUE(exists(files.tdb));
  EXPECT_TRUE(exists(files.overview));
  EXPECT_EQ(listRegistry().rows.at(0).cells.name, "Fest");
}

TEST_F(MapsetRemoval, APackageGoesWithEverythingInIt) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  writeFile(package / "Product3" / "eigenes.txt", "was auch immer");
  const GmapCatalogue packages = listPackages();
  ASSERT_EQ(packages.rows.size(), 1u);
  const PackageRemoval removal = removePackage(*system_, mapFolders(), packages.rows[0].infoXml);
  EXPECT_EQ(removal.status, PackageRemovalStatus::Removed);
  EXPECT_EQ(removal.folder, pathOf(package));
  EXPECT_FALSE(fs::exists(package));
  EXPECT_TRUE(fs::is_directory(allUsersMaps()));
  EXPECT_TRUE(listPackages().rows.empty());
}

TEST_F(MapsetRemoval, APackageFolderOfAnyNameGoesWhenItHoldsTheInfoXml) {
  const fs::path package = userMaps() / "Ohne Endung";
  writeFile(package / "Info.xml", infoXmlForNewMapset({"Ohne", "40", "Ohneoooo", false}));
  const PackageRemoval removal =
      removePackage(*system_, mapFolders(), pathOf(package / "Info.xml"));
  EXPECT_EQ(removal.status, PackageRemovalStatus::Removed);
  EXPECT_FALSE(fs::exists(package));
}

TEST_F(MapsetRemoval, NothingOutsideAPackageFolderIsEverDeleted) {
  mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  writeFile(folder / "Fremd" / "Info.xml", "<ID>1</ID>");
  writeFile(allUsersMaps() / "Info.xml", "<ID>1</ID>");
  fs::create_directories(allUsersMaps() / "Leer");
  const std::vector<std::string> oddPaths = {
      "",
      "Info.xml",
      pathOf(folder / "Fremd" / "Info.xml"),
      pathOf(allUsersMaps() / "Info.xml"),
      pathOf(allUsersMaps() / "Leer" / "Info.xml"),
      pathOf(allUsersMaps() / "Harz Familie.gmap" / ".." / ".." / "Maps" / "Info.xml"),
      pathOf(allUsersMaps() / "Harz Familie.gmap" / "Product3" / "osmmap.tdb"),
  };
  for (const std::string& path : oddPaths) {
    EXPECT_EQ(removePackage(*system_, mapFolders(), path).status, PackageRemovalStatus::Refused)
        << path;
  }
  EXPECT_TRUE(fs::exists(folder / "Fremd" / "Info.xml"));
  EXPECT_TRUE(fs::exists(allUsersMaps() / "Info.xml"));
  EXPECT_TRUE(fs::is_directory(allUsersMaps() / "Leer"));
  EXPECT_TRUE(fs::exists(allUsersMaps() / "Harz Familie.gmap" / "Product3" / "osmmap.tdb"));
}

TEST_F(MapsetRemoval, ARefusedPackageDeletionIsReportedWithTheReason) {
  const fs::path package = mapsets.copyPackage(userMaps(), "Harz Familie");
  DenyingFolderOps denying;
  const PackageRemoval removal = removePackage(denying, mapFolders(), pathOf(package / "Info.xml"));
  EXPECT_EQ(removal.status, PackageRemovalStatus::Failed);
  EXPECT_EQ(removal.error, "Permission denied");
  EXPECT_EQ(denying.refused, std::vector<std::string>{pathOf(package)});
}

TEST_F(MapsetRemoval, APackageAlreadyGoneCountsAsRemoved) {
  fs::create_directories(userMaps());
  const PackageRemoval removal =
      removePackage(*system_, mapFolders(), pathOf(userMaps() / "Weg.gmap" / "Info.xml"));
  EXPECT_EQ(removal.status, PackageRemovalStatus::Removed);
}

}  // namespace
}  // namespace mapsetdesk::testing
