// The gmap catalogue over real packages (mkgmap's and ours) in the three map
// folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/CatalogueFixture.h"
#include "catalogue/FidAllocation.h"
#include "formats/InfoXml.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// A package with our own Info.xml of a new installation.
fs::path ourPackage(const fs::path& mapsFolder, const std::string& name, const std::string& fid,
                    bool withIndex) {
  const fs::path package = mapsFolder / (name + ".gmap");
  writeFile(package / "Info.xml", infoXmlForNewMapset({name, fid, name.substr(0, 8), withIndex}));
  return package;
}

std::vector<std::string> displays(const GmapCatalogue& catalogue) {
  std::vector<std::string> shown;
  for (const GmapRow& row : catalogue.rows) shown.push_back(row.display);
  return shown;
}

using GmapCatalogueListing = CatalogueTest;

TEST_F(GmapCatalogueListing, WithoutAnyMapFolderOnlyTheNoPackagesRowShows) {
  const GmapCatalogue catalogue = listPackages();
  EXPECT_TRUE(catalogue.noMapFolder);
  EXPECT_TRUE(catalogue.rows.empty());
}

TEST_F(GmapCatalogueListing, AnEmptyMapFolderListsNoRowAndNoMessage) {
  fs::create_directories(userMaps());
  const GmapCatalogue catalogue = listPackages();
  EXPECT_FALSE(catalogue.noMapFolder);
  EXPECT_TRUE(catalogue.rows.empty());
}

TEST_F(GmapCatalogueListing, MkgmapPackageGivesARowForItsProduct) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  const GmapCatalogue catalogue = listPackages();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  const GmapRow& row = catalogue.rows[0];
  EXPECT_EQ(row.display, "gmap; Harzkarte Süd; FID:4711;PID:3");
  EXPECT_EQ(row.infoXml, pathOf(package / "Info.xml"));
  EXPECT_EQ(row.tdb, pathOf(package / "Product3" / "osmmap.tdb"));
  EXPECT_TRUE(fs::is_regular_file(filePath(row.tdb)));
  EXPECT_EQ(row.pid, "3");
  EXPECT_EQ(row.fid, "4711");
  EXPECT_EQ(row.index, "osmmap.mdx");
  EXPECT_EQ(packageFolder(row), pathOf(package));
}

TEST_F(GmapCatalogueListing, PackageWithTwoSubProductsGivesTwoRows) {
  writeFile(allUsersMaps() / "Zwei.gmap" / "Info.xml",
            "<?xml version=\"1.0\"?>\r\n<MapProduct>\r\n<Name>Zwei</Name>\r\n<ID>600</ID>\r\n"
            "<SubProduct>\r\n<Name>Nord</Name>\r\n<ID>1</ID>\r\n<TDB>nord.tdb</TDB>\r\n"
            "</SubProduct>\r\n<SubProduct>\r\n<Name>Sued</Name>\r\n<ID>2</ID>\r\n"
            "<TDB>sued.tdb</TDB>\r\n</SubProduct>\r\n</MapProduct>\r\n");
  const GmapCatalogue catalogue = listPackages();
  EXPECT_EQ(displays(catalogue),
            (std::vector<std::string>{"gmap; Nord; FID:600;PID:1", "gmap; Sued; FID:600;PID:2"}));
  ASSERT_EQ(catalogue.rows.size(), 2u);
  EXPECT_EQ(catalogue.rows[1].tdb, pathOf(allUsersMaps() / "Zwei.gmap" / "Product2" / "sued.tdb"));
  EXPECT_EQ(catalogue.rows[0].fid, catalogue.rows[1].fid);
}

TEST_F(GmapCatalogueListing, PackageWithoutIndexShowsKeinMdxFile) {
  ourPackage(allUsersMaps(), "Ohne Index", "700", false);
  ourPackage(allUsersMaps(), "Mit Index", "701", true);
  const GmapCatalogue catalogue = listPackages();
  ASSERT_EQ(catalogue.rows.size(), 2u);
  EXPECT_EQ(catalogue.rows[0].display, "gmap; Mit Index; FID:701;PID:1");
  EXPECT_EQ(catalogue.rows[0].index, "Mit Inde.mdx");
  EXPECT_EQ(catalogue.rows[1].index, "KeinMDXFILE");
}

TEST_F(GmapCatalogueListing, SubfolderWithoutInfoXmlIsReportedAndSkipped) {
  fs::create_directories(allUsersMaps() / "Leer.gmap");
  ourPackage(allUsersMaps(), "Gut", "710", false);
  const GmapCatalogue catalogue = listPackages();
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "missing Info.xml in " + pathOf(allUsersMaps() / "Leer.gmap"));
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
  EXPECT_EQ(displays(catalogue), std::vector<std::string>{"gmap; Gut; FID:710;PID:1"});
}

TEST_F(GmapCatalogueListing, DamagedInfoXmlKeepsTheRowsReadBeforeTheDamage) {
  const fs::path infoXml = allUsersMaps() / "Halb.gmap" / "Info.xml";
  writeFile(infoXml,
            "<MapProduct>\r\n<ID>720</ID>\r\n<SubProduct>\r\n<Name>Erster</Name>\r\n<ID>1</ID>\r\n"
            "<TDB>a.tdb</TDB>\r\n</SubProduct>\r\n<SubProduct>\r\n<Name>Zweiter</Name>\r\n"
            "<ID>2</ID>\r\n</SubProduct>\r\n</MapProduct>\r\n");
  const GmapCatalogue catalogue = listPackages();
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "File " + pathOf(infoXml) + " info.xml ist beschädigt");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(displays(catalogue), std::vector<std::string>{"gmap; Erster; FID:720;PID:1"});
}

TEST_F(GmapCatalogueListing, InfoXmlWithoutFamilyIdGivesNoRow) {
  const fs::path infoXml = allUsersMaps() / "Ohne.gmap" / "Info.xml";
  writeFile(infoXml, "<MapProduct>\r\n<Name>Ohne</Name>\r\n</MapProduct>\r\n");
  EXPECT_TRUE(listPackages().rows.empty());
  EXPECT_EQ(dialogs.take().text, "File " + pathOf(infoXml) + " info.xml ist beschädigt");
}

TEST_F(GmapCatalogueListing, AllThreeMapFoldersAreReadAndTheRowsSorted) {
  const fs::path baseCamp = folder / "BaseCamp";
  fStringSpeichern(registry(), Root::LocalMachine, base() + "\\Garmin\\BaseCamp", "InstallDir",
                   pathOf(baseCamp / ""));
  ourPackage(allUsersMaps(), "Mitte", "801", false);
  ourPackage(userMaps(), "Anfang", "802", false);
  ourPackage(baseCamp / "Maps", "Ende", "803", false);
  ourPackage(baseCamp / "Maps", "Bravo", "804", false);
  const GmapFolders folders = mapFolders();
  EXPECT_EQ(folders.allUsers, pathOf(allUsersMaps()));
  EXPECT_EQ(folders.user, pathOf(userMaps()));
  EXPECT_EQ(folders.baseCamp, pathOf(baseCamp / "Maps"));
  EXPECT_EQ(displays(listPackages()),
            (std::vector<std::string>{"gmap; Anfang; FID:802;PID:1", "gmap; Bravo; FID:804;PID:1",
                                      "gmap; Ende; FID:803;PID:1", "gmap; Mitte; FID:801;PID:1"}));
}

TEST_F(GmapCatalogueListing, EqualTextsKeepTheFolderOrder) {
  ourPackage(userMaps(), "Gleich", "900", false);
  ourPackage(allUsersMaps(), "Gleich", "900", false);
  const GmapCatalogue catalogue = listPackages();
  ASSERT_EQ(catalogue.rows.size(), 2u);
  EXPECT_EQ(catalogue.rows[0].infoXml, pathOf(allUsersMaps() / "Gleich.gmap" / "Info.xml"));
  EXPECT_EQ(catalogue.rows[1].infoXml, pathOf(userMaps() / "Gleich.gmap" / "Info.xml"));
}

// Packages in BaseCamp's folder are installed maps even when neither of the
// other map folders exists: they are listed, and their FIDs are taken.
TEST_F(GmapCatalogueListing, BaseCampPackagesAreListedWithoutTheOtherMapFolders) {
  const fs::path baseCamp = folder / "BaseCamp";
  fStringSpeichern(registry(), Root::LocalMachine, base() + "\\Garmin\\BaseCamp", "InstallDir",
                   pathOf(baseCamp));
  ourPackage(baseCamp / "Maps", "Camp", "10", false);
  const GmapCatalogue catalogue = listPackages();
  EXPECT_TRUE(catalogue.noMapFolder);
  EXPECT_EQ(displays(catalogue), std::vector<std::string>{"gmap; Camp; FID:10;PID:1"});
  EXPECT_EQ(FreieIdNr(listRegistry(), catalogue), 11);
}

TEST_F(GmapCatalogueListing, WithoutBaseCampNoThirdFolderIsSearched) {
  EXPECT_EQ(mapFolders().baseCamp, "");
  facts.folders.clear();
  const GmapFolders none = mapFolders();
  EXPECT_EQ(none.allUsers, "");
  EXPECT_EQ(none.user, "");
  EXPECT_TRUE(listPackages().noMapFolder);
}

}  // namespace
}  // namespace mapsetdesk::testing
