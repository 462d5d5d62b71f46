// The gmap package that the window for an existing TDB builds, with gmt's
// stand-in unpacking every IMG file: its name, Info.xml, folders and tiles;
// the files that refuse a package before anything is written, and the steps
// whose failure takes the package back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/InstallTexts.h"
#include "app/messages/PackageStepTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "formats/TdbLayout.h"
#include "formats/TdbChecksum.h"
#include "platform/FilePath.h"
#include "support/ExistingMapsetFiles.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const std::string& catalogueText(const char* key) {
  return catalogueTexts(Sprache::Deutsch).messages.find(key)->second;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    result.push_back(text.substr(start, end - start));
  return result;
}

bool holdsFiles(const fs::path& folder) {
  return fs::is_directory(folder) && !fs::is_empty(folder);
}

// The first tile block of the TDB names mapNumber instead.
void renumberFirstTile(const std::string& tdb, std::uint32_t mapNumber) {
  std::string bytes = readFile(filePath(tdb));
  for (const TdbBlock& block : walkTdbBlocks(bytes).blocks) {
    if (block.id != kTdbTileBlock) continue;
    for (int i = 0; i < 4; ++i)
      bytes[block.payload() + i] = static_cast<char>((mapNumber >> (8 * i)) & 0xFF);
    break;
  }
  applyTdbChecksum(bytes);
  writeFile(filePath(tdb), bytes);
}

class TdbVorhandenPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
    program.storeSetting("Wow64", "falsch");
    installStandins(program.folder / "program");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  fs::path maps() const { return program.folder / "ProgramData" / "GARMIN" / "Maps"; }

  // Opens the window, fills every field of mapset, names it and presses the
  // package button; the backup message of the TDB's rename is taken.
  ui::FormTDBvorhanden& package(const ExistingFiles& mapset, const std::string& name) {
    auto& window = press(mapset, name);
    EXPECT_EQ(program.dialogs.take().text, catalogueText("Satz25") + mapset.tdb + "-BAK");
    return window;
  }
  ui::FormTDBvorhanden& press(const ExistingFiles& mapset, const std::string& name) {
    auto& windows = program.start();
    windows.main.openTdbVorhanden();
    auto& window = windows.tdbVorhanden;
    EXPECT_TRUE(type(window.TextPfadLoc, mapset.tiles));
    EXPECT_TRUE(type(window.TextPfadPreview, mapset.overview));
    EXPECT_TRUE(type(window.TextPfadTDB, mapset.tdb));
    EXPECT_TRUE(type(window.TextPfadTyp, mapset.typ));
    EXPECT_TRUE(type(window.TextIndexFile, mapset.index));
    EXPECT_TRUE(type(window.TextMdr, mapset.mdr));
    EXPECT_TRUE(type(window.Text1, name));
    EXPECT_TRUE(click(window.Commandgmapsatz));
    return window;
  }
  void expectSaid(const std::string& text) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
  }
  // A package refused before its first write: the message, no package, no
  // completion text, the mapset's TDB as it was and the fields kept for
  // another try.
  void expectRefused(const ExistingFiles& mapset, const std::string& text,
                     const std::string& tdbBefore) {
    expectSaid(text);
    EXPECT_FALSE(fs::exists(maps() / "Karte.gmap"));
    EXPECT_EQ(readFile(mapset.tdb), tdbBefore);
    auto& window = program.windows().tdbVorhanden;
    EXPECT_EQ(window.TextPfadTDB.text(), mapset.tdb);
    EXPECT_FALSE(window.lastActionCompleted());
  }
  // A package whose step failed after the TDB got its IDs: the message says
  // which, and nothing of the package is left.
  void expectTakenBack(const std::string& text) {
    expectSaid(text);
    EXPECT_TRUE(fs::is_empty(maps()));
    EXPECT_EQ(program.windows().main.TextMeldung.text(), text);
    EXPECT_FALSE(program.windows().tdbVorhanden.lastActionCompleted());
    EXPECT_TRUE(program.windows().tdbVorhanden.Commandgmapsatz.enabled) << "another try";
  }

  ProgramHarness program;
  ExistingMapsetFiles files;
  ExtraFiles all{.typ = true, .index = true, .mdr = true};
  const PackageStepTexts steps = packageStepTexts(Sprache::Deutsch);
};

TEST_F(TdbVorhandenPackage, KarteSuedWithIndexMdrAndTyp) {
  const ExistingFiles mapset = files.make(program.folder / "karte", "Karte", 4711, 3, all);
  auto& window = package(mapset, "Karte Süd");
  const fs::path folder = maps() / "Karte_SUd.gmap";
  ASSERT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(lines(readFile(folder / "Info.xml")),
            (std::vector<std::string>{
                "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>",
                "<MapProduct xmlns=\"http://www.garmin.com/xmlschemas/MapProduct/v1\">",
                "<Name>Karte_SUd</Name>", "<DataVersion>100</DataVersion>",
                "<DataFormat>Original</DataFormat>", "<ID>4711</ID>", "<IDX>osmmap.mdx</IDX>",
                "<MDR>MDRMAP</MDR>", "<TYP>10318.Typ</TYP>", "<SubProduct>",
                "<Name>Karte_SUd</Name>", "<ID>3</ID>", "<BaseMap>mapset</BaseMap>",
                "<TDB>osmmap.tdb</TDB>", "<Directory>Product3</Directory>", "</SubProduct>",
                "</MapProduct>"}));
  EXPECT_EQ(readFile(folder / "osmmap.mdx"), readFile(mapset.index));
  EXPECT_EQ(readFile(folder / "10318.Typ"), readFile(program.folder / "karte" / "10318.Typ"));
  EXPECT_TRUE(holdsFiles(folder / "MDRMAP"));
  EXPECT_EQ(readFile(folder / "Product3" / "osmmap.tdb"), readFile(mapset.tdb));
  EXPECT_TRUE(holdsFiles(folder / "Product3" / "mapset"));
  EXPECT_TRUE(holdsFiles(folder / "Product3" / "63240001"));
  EXPECT_TRUE(holdsFiles(folder / "Product3" / "63240002"));
  EXPECT_EQ(program.windows().main.TextMeldung.text(),
            catalogueText("Satz61") + "2" + catalogueText("Satz62"));
  for (ui::TextBox* field : {&window.TextPfadLoc, &window.TextPfadPreview, &window.TextMdr,
                             &window.TextPfadTDB, &window.TextPfadTrf, &window.TextPfadTyp,
                             &window.TextIndexFile})
    EXPECT_EQ(field->text(), "") << field->name();
  ASSERT_EQ(program.windows().main.gmapCatalogue().rows.size(), 1u);
}

TEST_F(TdbVorhandenPackage, WithoutOptionalFilesTheirLinesAreLeftOut) {
  const ExistingFiles mapset = files.make(program.folder / "karte", "Karte", 4711, 3);
  package(mapset, "Karte");
  const auto info = lines(readFile(maps() / "Karte.gmap" / "Info.xml"));
  EXPECT_EQ(info.size(), 14u);
  EXPECT_EQ(info[6], "<SubProduct>");
  EXPECT_FALSE(fs::exists(maps() / "Karte.gmap" / "MDRMAP"));
}

TEST_F(TdbVorhandenPackage, TileBlockNumberNamesFileAndFolderWithEightDigits) {
  const ExistingFiles mapset = files.make(program.folder / "karte", "Karte", 4711, 3);
  renumberFirstTile(mapset.tdb, 12345);
  fs::rename(program.folder / "karte" / "63240001.img", program.folder / "karte" / "00012345.img");
  package(mapset, "Karte");
  EXPECT_TRUE(holdsFiles(maps() / "Karte.gmap" / "Product3" / "00012345"));
  EXPECT_TRUE(holdsFiles(maps() / "Karte.gmap" / "Product3" / "63240002"));
}

TEST_F(TdbVorhandenPackage, FilesThatCannotMakeAWholePackageAreRefusedBeforeAnyWrite) {
  const ExistingFiles mapset = files.make(program.folder / "karte", "Karte", 4711, 3);
  const fs::path tiles = program.folder / "karte";
  const std::string tdbBefore = readFile(mapset.tdb);
  const std::string tile = readFile(tiles / "63240002.img");

  fs::remove(tiles / "63240002.img");
  fs::remove(tiles / "63240001.img");
  press(mapset, "Karte");
  expectRefused(mapset, kTilesMissing + std::string("\r\n63240001.img\r\n63240002.img"),
                tdbBefore);

  writeFile(tiles / "63240001.img", tile);
  writeFile(tiles / "63240002.img", tile.substr(0, tile.size() / 2));
  ASSERT_TRUE(click(program.windows().tdbVorhanden.Commandgmapsatz));
  expectRefused(mapset, steps.tileUnreadable + pathText(tiles / "63240002.img"), tdbBefore);

  writeFile(tiles / "63240002.img", tile);
  const std::string overview = readFile(mapset.overview);
  writeFile(filePath(mapset.overview), "no img file");
  ASSERT_TRUE(click(program.windows().tdbVorhanden.Commandgmapsatz));
  expectRefused(mapset, steps.overviewUnreadable + mapset.overview, tdbBefore);
  writeFile(filePath(mapset.overview), overview);
}

// Replacing an installed package is a removal and a new install: a package
// of the same name is refused before the TDB or the package is touched.
TEST_F(TdbVorhandenPackage, AnInstalledPackageOfTheSameNameIsRefusedAndStaysAsItWas) {
  const fs::path folder = files.mapsets().copyPackage(maps(), "Karte");
  const std::string earlierInfo = readFile(folder / "Info.xml");
  const auto entries = [&folder] {
    std::vector<fs::path> found(fs::recursive_directory_iterator(folder), {});
    std::sort(found.begin(), found.end());
    return found;
  };
  const std::vector<fs::path> earlier = entries();
  const ExistingFiles mapset = files.make(program.folder / "karte", "Karte", 4711, 3);
  const std::string tdb = readFile(mapset.tdb);
  press(mapset, "Karte.");
  const Message shown = program.dialogs.take();
  EXPECT_EQ(shown.text, clashText(Sprache::Deutsch, ClashKind::PackageFolder, pathText(folder),
                                  "Karte.gmap"));
  EXPECT_EQ(shown.title, "QUIRANEL");
  EXPECT_EQ(readFile(folder / "Info.xml"), earlierInfo);
  EXPECT_EQ(entries(), earlier);
  EXPECT_EQ(readFile(mapset.tdb), tdb);
  EXPECT_FALSE(program.windows().tdbVorhanden.lastActionCompleted());
}

TEST_F(TdbVorhandenPackage, AStepThatFailsTakesThePackageBackAndSaysWhichStep) {
  const ExistingFiles mapset = files.make(program.folder / "karte", "Karte", 4711, 3);
  {
    ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "nothing");
    package(mapset, "Karte");
    expectTakenBack(steps.notUnpacked + mapset.overview + steps.removedAgain);
  }
  fs::remove_all(maps());
  writeFile(maps(), "a file where the folder belongs");
  ASSERT_TRUE(click(program.windows().tdbVorhanden.Commandgmapsatz));
  expectSaid(catalogueText("Satz25") + mapset.tdb + "-BAK");
  expectSaid(steps.folderNotMade + pathText(maps() / "Karte.gmap") + steps.removedAgain);
  EXPECT_EQ(readFile(maps()), "a file where the folder belongs");
  EXPECT_FALSE(program.windows().tdbVorhanden.lastActionCompleted());
  EXPECT_NE(program.windows().main.TextMeldung.text().find(steps.folderNotMade),
            std::string::npos);
}

}  // namespace
}  // namespace mapsetdesk::testing
