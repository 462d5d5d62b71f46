// The export and import window driven as a person drives it over mkgmap's
// mapset: its texts, the export of a registration and of a package, and the
// import of both with every question and refusal.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/ExportImportTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/Registration.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"
#include "support/ExistingMapsetFiles.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const ExportImportTexts& german() {
  static const ExportImportTexts texts = exportImportTexts(Sprache::Deutsch);
  return texts;
}
const std::string& catalogueText(const char* key) {
  return catalogueTexts(Sprache::Deutsch).messages.find(key)->second;
}
constexpr char kFamilies[] = "SOFTWARE\\Garmin\\MapSource\\Families";
constexpr char kFamily[] = "SOFTWARE\\Garmin\\MapSource\\Families\\Harz4711";

class ExportImportWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
    program.storeSetting("Wow64", "falsch");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::ExportImport& open() {
    auto& windows = program.start();
    EXPECT_TRUE(click(windows.main.CmdExpImp));
    EXPECT_TRUE(windows.exportImport.visible());
    return windows.exportImport;
  }
  void expectSaid(const std::string& text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.icon, icon);
    EXPECT_EQ(shown.buttons, buttons);
  }
  void expectAsked(const std::string& text) { expectSaid(text, Icon::Question, Buttons::YesNo); }
  // A registration as another installer leaves it: family Harz4711, product 3.
  void registerMapset(const ExistingFiles& mapset) {
    registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Harz4711", 4711,
                          "3", {mapset.tdb, mapset.overview, mapset.tiles}, mapset.typ);
    if (!mapset.index.empty())
      fStringSpeichern(program.memory, Root::LocalMachine, kFamily, "IDX", mapset.index);
    if (!mapset.mdr.empty())
      fStringSpeichern(program.memory, Root::LocalMachine, kFamily, "MDR", mapset.mdr);
  }
  std::string hklm(const std::string& key, const std::string& name) {
    return fRegAbfrageWert(program.memory, Root::LocalMachine, key, name);
  }
  // The shortcut to mkgmap's package, named by its product.
  fs::path shortcut() {
    return filePath(pathOf(program.folder / "Roaming" / "GARMIN" / "Maps") +
                    "/Link_Harzkarte S\xC3\xBC" "d.lnk");
  }

  ProgramHarness program;
  ExistingMapsetFiles files;
};

TEST_F(ExportImportWindow, TextsOfBothLanguagesAndTheNoSelectionText) {
  auto& window = open();
  EXPECT_EQ(program.main().CmdExpImp.backColor, ui::kActionColour);
  EXPECT_EQ(window.caption, german().caption);
  EXPECT_EQ(window.CommandExport.caption, "markierte exportieren");
  EXPECT_EQ(window.CommandGmap.caption, "als gmap-Paket");
  EXPECT_FALSE(window.CommandGmap.enabled) << "until a registered mapset is marked";
  EXPECT_FALSE(window.ListURL.shown());
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid("Es ist kein Kartensatz zum Exportieren ausgewaehlt. Markieren Sie 1 Kartensart.",
             Icon::Information);
  EXPECT_TRUE(fs::is_directory(program.folder / "Roaming" / "GARMIN" / "Maps"))
      << "the user's map folder is made";

  EXPECT_EQ(program.main().CmdExpImp.backColor, ui::kActionColour);
  window.unload();
  EXPECT_EQ(program.main().CmdExpImp.backColor, ui::kButtonColour) << "its action has ended";
  program.storeSetting("Language", "Eng");
  ASSERT_TRUE(click(program.main().CmdExpImp));
  EXPECT_EQ(window.CommandExport.caption, "export selected maps ");
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid("It is no mapset selected. Mark one.", Icon::Information);
  program.dialogs.folder(std::nullopt);
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid("Navigate to the removable disk that contains the map.", Icon::Information);
  ASSERT_EQ(program.dialogs.choosers().size(), 1u) << "a cancelled chooser is not told";
  EXPECT_EQ(program.dialogs.choosers()[0].title, "select the importfolder");
}

TEST_F(ExportImportWindow, ExportGathersTheRegistrationIntoTheTileFolder) {
  ExistingFiles mapset = files.make(program.folder / "elsewhere", "Harz", 4711, 3,
                                    {.typ = true, .index = true, .mdr = true});
  fs::create_directories(program.folder / "harz");
  for (const char* tile : {"63240001.img", "63240002.img"})
    fs::copy_file(program.folder / "elsewhere" / tile, program.folder / "harz" / tile);
  writeFile(program.folder / "harz" / "osmmap.tdb", "already here");
  mapset.tiles = pathOf(program.folder / "harz");
  registerMapset(mapset);
  auto& window = open();
  ASSERT_EQ(window.ListIMG.count(), 1);
  ASSERT_TRUE(click(window.ListIMG, 0));
  EXPECT_TRUE(window.CommandGmap.enabled);
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid(german().copyHint1 + mapset.tiles + german().copyHint2, Icon::Information);
  EXPECT_EQ(readFile(program.folder / "harz" / "log"),
            "osmmap_mdr.img\r\nosmmap.mdx\r\nharz.typ\r\nosmmap.tdb\r\nosmmap.img\r\n");
  EXPECT_EQ(readFile(program.folder / "harz" / "osmmap.tdb"), readFile(mapset.tdb))
      << "a stale file of the TDB's name in the tile folder is replaced";
  EXPECT_EQ(readFile(program.folder / "harz" / "osmmap_mdr.img"), readFile(mapset.mdr));

  const std::string missing = pathOf(program.folder / "elsewhere" / "fehlt_mdr.img");
  fStringSpeichern(program.memory, Root::LocalMachine, kFamily, "MDR", missing);
  ASSERT_TRUE(click(window.CommandExport));
  const Message refused = program.dialogs.take();
  EXPECT_TRUE(refused.text.starts_with(german().copyRefused + missing + "\n")) << refused.text;
  EXPECT_EQ(refused.icon, Icon::Exclamation);
  EXPECT_EQ(readFile(program.folder / "harz" / "log"),
            "osmmap_mdr.img\r\nosmmap.mdx\r\nharz.typ\r\nosmmap.tdb\r\nosmmap.img\r\n")
      << "the earlier log stays";
}

TEST_F(ExportImportWindow, AMapsetWhoseFilesAreMissingIsTheWrongFolder) {
  ExistingFiles mapset = files.make(program.folder / "harz", "Harz", 4711, 3);
  registerMapset(mapset);
  fs::remove(mapset.tdb);
  auto& window = open();
  program.dialogs.clear();
  ASSERT_TRUE(window.ListIMG.item(0).starts_with("!"));
  ASSERT_TRUE(click(window.ListIMG, 0));
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid("Map falscher Ordner");
  EXPECT_FALSE(fs::exists(program.folder / "harz" / "log"));
}

TEST_F(ExportImportWindow, ExportOfAPackageAsksAndNamesItsFolder) {
  const fs::path package =
      files.mapsets().copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps", "Harz");
  auto& window = open();
  ASSERT_EQ(window.Listgmp.count(), 1);
  EXPECT_EQ(window.Listgmp.item(0).find("; FID:"), std::string::npos);
  ASSERT_TRUE(click(window.Listgmp, 0));
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(window.CommandExport));
  expectAsked(
      "Harzkarte S\xC3\xBC"
      "d exportieren?");
  EXPECT_EQ(window.exportedFolder(), "");
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(window.CommandExport));
  expectAsked(
      "Harzkarte S\xC3\xBC"
      "d exportieren?");
  expectSaid(german().copyHint1 + pathOf(package) + german().copyHint2, Icon::Information);

  // Damaged meanwhile: read again, the package has no row any more.
  writeFile(package / "Info.xml", "<MapProduct></MapProduct>");
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid("File " + pathOf(package / "Info.xml") +
             " info.xml ist besch\xC3\xA4"
             "digt");
  expectSaid(german().mapsetGone, Icon::Exclamation);
  EXPECT_EQ(window.Listgmp.count(), 0);
}

class ImportOfARegistration : public ExportImportWindow {
 protected:
  // An exported folder on the removable disk: mkgmap's mapset and its log.
  void SetUp() override {
    ExportImportWindow::SetUp();
    files.make(stick, "Harz", 4711, 3, {.typ = true, .index = true, .mdr = true});
    writeFile(stick / "log",
              "osmmap_mdr.img\r\nosmmap.mdx\r\nharz.typ\r\nosmmap.tdb\r\nosmmap.img\r\n");
    fs::create_directories(destination);
  }
  void importInto(ui::ExportImport& window) {
    program.dialogs.folder(pathOf(stick));
    program.dialogs.folder(pathOf(destination));
    ASSERT_TRUE(click(window.CommandImport));
    expectSaid(german().navigate, Icon::Information);
  }
  std::string copied(const std::string& name) { return pathOf(destination / "harz" / name); }

  fs::path stick = program.folder / "stick" / "harz";
  fs::path destination = program.folder / "Karten";
};

TEST_F(ImportOfARegistration, CopiesAndRegistersTheCopy) {
  auto& window = open();
  program.dialogs.answer(Answer::No);
  importInto(window);
  expectSaid(german().copied);
  expectSaid(catalogueText("Satz25") + copied("osmmap.tdb") + "-BAK");
  expectSaid(tdbVorhandenTexts(Sprache::Deutsch).finished);
  expectAsked(german().installer);
  EXPECT_TRUE(window.importCompleted());
  EXPECT_TRUE(window.ListIMG.shown()) << "No keeps the mapset lists";
  const auto families = fSubkeysListen(program.memory, Root::LocalMachine, kFamilies);
  ASSERT_EQ(families.size(), 1u);
  const std::string family = std::string(kFamilies) + "\\" + families[0];
  EXPECT_EQ(hklm(family + "\\3", "TDB"), copied("osmmap.tdb"));
  EXPECT_EQ(hklm(family + "\\3", "Bmap"), copied("osmmap.img"));
  EXPECT_EQ(hklm(family + "\\3", "Loc"), pathOf(destination / "harz"));
  EXPECT_EQ(hklm(family, "IDX"), copied("osmmap.mdx"));
  EXPECT_EQ(hklm(family, "MDR"), copied("osmmap_mdr.img"));
  EXPECT_EQ(hklm(family, "TYP"), copied("10318.Typ"));
  const auto& rows = program.main().registryCatalogue().rows;
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].state, EntryState::Complete);
  ASSERT_EQ(window.ListIMG.count(), 1);

  program.dialogs.answer(Answer::No);
  importInto(window);
  expectAsked(german().replaceFolder + pathOf(destination / "harz") + german().replaceQuestion);
  EXPECT_FALSE(window.importCompleted()) << "No stops with nothing copied";
}

TEST_F(ImportOfARegistration, NothingIsRegisteredForAMissingFileOrARefusedName) {
  fs::remove(stick / "osmmap.mdx");
  auto& window = open();
  importInto(window);
  expectSaid(tdbVorhandenTexts(Sprache::Deutsch).fileMissing);
  EXPECT_FALSE(window.importCompleted());
  EXPECT_TRUE(fSubkeysListen(program.memory, Root::LocalMachine, kFamilies).empty());

  writeFile(stick / "log", "osmmap.img\r\n..\\..\\Windows\\win.ini\r\nosmmap.tdb\r\n");
  fs::remove_all(destination / "harz");
  program.dialogs.folder(pathOf(stick));
  program.dialogs.folder(pathOf(destination));
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid(german().nameRefused + "..\\..\\Windows\\win.ini", Icon::Exclamation);
  EXPECT_FALSE(fs::exists(destination / "harz")) << "nothing is copied";

  program.dialogs.folder(pathOf(program.folder / "stick"));
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid(german().wrongFolder + " : " + pathOf(program.folder / "stick") +
                 german().notExported,
             Icon::Exclamation);
}

TEST_F(ExportImportWindow, ImportOfAPackageAsksForWhomAndOffersTheInstaller) {
  const fs::path package = files.mapsets().copyPackage(program.folder / "stick", "Harz");
  auto& window = open();
  program.dialogs.folder(pathOf(package));
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectAsked(german().allUsers + program.facts.user);
  expectSaid(catalogueText("Text2"));
  expectAsked(german().installer);
  EXPECT_TRUE(fs::is_regular_file(program.folder / "ProgramData" / "GARMIN" / "Maps" / "Harz.gmap" /
                                  "Info.xml"));
  EXPECT_EQ(window.Listgmp.count(), 1);
  EXPECT_FALSE(fs::exists(shortcut()))
      << "no shortcut into a map folder Garmin's programs search";

  EXPECT_FALSE(window.ListIMG.shown());
  EXPECT_TRUE(window.ListURL.shown());
  EXPECT_EQ(window.Label2.caption, kDownloadCaption);
  ASSERT_TRUE(click(window.ListURL, 0));
  EXPECT_EQ(program.shell.opened, std::vector<std::string>{downloadSources()[0]});
  EXPECT_TRUE(window.CommandImport.enabled);
  window.ListURL.visible = true;
  ASSERT_TRUE(click(window.ListURL, kNetworkPathRow));
  EXPECT_TRUE(window.TextUrl.shown());
  EXPECT_EQ(window.TextUrl.text(), kNetworkPathPrompt);
  EXPECT_FALSE(window.CommandImport.enabled);
  EXPECT_FALSE(window.CommandExport.enabled);
  ASSERT_TRUE(keyEnter(window.TextUrl));
  EXPECT_TRUE(window.TextUrl.shown()) << "a text not ending in exe starts nothing";
  const std::string installer = pathOf(program.folder / "MapSource.exe");
  program.dialogs.file(installer);
  ASSERT_TRUE(click(window.CommandExe));
  ASSERT_EQ(program.dialogs.choosers().size(), 2u);
  EXPECT_EQ(program.dialogs.choosers()[1].filter, "exe-Files|*.exe");
  EXPECT_EQ(window.TextUrl.text(), installer);
  ASSERT_TRUE(keyEnter(window.TextUrl));
  EXPECT_FALSE(window.TextUrl.shown());
  EXPECT_FALSE(window.ListURL.shown());
  EXPECT_EQ(window.mousePointer(), ui::MousePointer::Hourglass);
}

TEST_F(ExportImportWindow, APackageOutsideTheMapFoldersGetsAShortcut) {
  const fs::path package = files.mapsets().copyPackage(program.folder / "stick", "Harz");
  auto& window = open();
  window.packageDestination = pathOf(program.folder / "Karten");
  program.dialogs.folder(pathOf(package));
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid(catalogueText("Text2"));
  expectAsked(german().installer);
  EXPECT_TRUE(fs::exists(fs::symlink_status(shortcut())))
      << "a shell link on Windows, a symbolic link elsewhere (the platform suites check both)";
  EXPECT_TRUE(fs::is_regular_file(program.folder / "Karten" / "Harz.gmap" / "Info.xml"));

  writeFile(package / "Info.xml", "<SubProduct></SubProduct>");
  program.dialogs.folder(pathOf(package));
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid("File " + pathOf(package / "Info.xml") + german().damaged);
  fs::remove(package / "Info.xml");
  program.dialogs.folder(pathOf(package));
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid("Missing file " + pathOf(package / "Info.xml"));
}

// The window stays open while the main window removes mapsets: each row
// stands for its mapset, never for a position in the main window's lists.
TEST_F(ExportImportWindow, AMapsetRemovedMeanwhileIsRefusedAndNoOtherOneExported) {
  const ExistingFiles harz = files.make(program.folder / "harz", "Harz", 4711, 3);
  registerMapset(harz);
  const ExistingFiles zwei = files.make(program.folder / "zwei", "Zwei", 4712, 1);
  registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Zwei4712", 4712,
                        "1", {zwei.tdb, zwei.overview, zwei.tiles});
  auto& window = open();
  ASSERT_EQ(window.ListIMG.count(), 2);
  const int marked = window.ListIMG.item(0).starts_with("Harz") ? 0 : 1;
  ASSERT_TRUE(click(window.ListIMG, marked));
  fSchluesselLoeschen(program.memory, Root::LocalMachine, std::string(kFamily) + "\\3");
  fSchluesselLoeschen(program.memory, Root::LocalMachine, kFamily);
  program.main().TDBlesen();
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid(german().mapsetGone, Icon::Exclamation);
  EXPECT_FALSE(fs::exists(filePath(harz.tiles) / "log"));
  EXPECT_FALSE(fs::exists(filePath(zwei.tiles) / "log")) << "not the mapset now in that row";
  EXPECT_EQ(window.ListIMG.count(), 1) << "the lists are read again";

  // The last row once read past the end of the main window's lists.
  ASSERT_TRUE(click(window.ListIMG, 0));
  fSchluesselLoeschen(program.memory, Root::LocalMachine,
                      std::string(kFamilies) + "\\Zwei4712\\1");
  fSchluesselLoeschen(program.memory, Root::LocalMachine, std::string(kFamilies) + "\\Zwei4712");
  program.main().TDBlesen();
  ASSERT_TRUE(click(window.CommandGmap));
  expectSaid(german().mapsetGone, Icon::Exclamation);
  EXPECT_EQ(window.ListIMG.count(), 0);
}

TEST_F(ExportImportWindow, ARegistrationWithoutTileFolderIsNotExportedIntoTheCurrentFolder) {
  const ExistingFiles harz = files.make(program.folder / "harz", "Harz", 4711, 3);
  registerMapset(harz);
  fWerteLoeschen(program.memory, Root::LocalMachine, std::string(kFamily) + "\\3", "LOC");
  auto& window = open();
  ASSERT_TRUE(click(window.ListIMG, 0));
  ASSERT_TRUE(click(window.CommandExport));
  expectSaid(german().noTileFolder + "Harz4711\\3", Icon::Exclamation);
  EXPECT_TRUE(window.exportedFolder().empty());
  EXPECT_FALSE(fs::exists("log")) << "nothing lands in the current folder";
}

TEST_F(ExportImportWindow, AnImportIntoItsOwnFolderOrOneNamingFilesOutsideIsRefused) {
  const fs::path package = files.mapsets().copyPackage(program.folder / "stick", "Harz");
  auto& window = open();
  for (const fs::path& inside : {package / "Kopie", package.parent_path()}) {
    window.packageDestination = pathOf(inside);
    program.dialogs.folder(pathOf(package));
    ASSERT_TRUE(click(window.CommandImport));
    expectSaid(german().navigate, Icon::Information);
    expectSaid(german().intoItself + pathOf(inside), Icon::Exclamation);
  }
  EXPECT_FALSE(fs::exists(package / "Kopie"));
  EXPECT_TRUE(fs::is_regular_file(package / "Info.xml")) << "the source is whole";

  const std::string info = readFile(package / "Info.xml");
  std::string hostile = info;
  hostile.replace(hostile.find("<TDB>osmmap.tdb"), 15, "<TDB>../../../victim.tdb");
  writeFile(package / "Info.xml", hostile);
  window.packageDestination = pathOf(program.folder / "Karten");
  program.dialogs.folder(pathOf(package));
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid("File " + pathOf(package / "Info.xml") + german().damaged);
  EXPECT_FALSE(fs::exists(program.folder / "Karten" / "Harz.gmap"));

  // The shortcut's name comes from the product's name: it stays a name.
  std::string named = info;
  named.replace(named.find("<Name>Harzkarte"), 15, "<Name>../../B\xC3\xB6se:");
  writeFile(package / "Info.xml", named);
  program.dialogs.folder(pathOf(package));
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(window.CommandImport));
  expectSaid(german().navigate, Icon::Information);
  expectSaid(catalogueText("Text2"));
  expectAsked(german().installer);
  const fs::path maps = program.folder / "Roaming" / "GARMIN" / "Maps";
  std::vector<std::string> links;
  for (const auto& entry : fs::directory_iterator(maps))
    links.push_back(pathText(entry.path().filename()));
  EXPECT_EQ(links, std::vector<std::string>{"Link_.._.._B\xC3\xB6se_ S\xC3\xBC" "d.lnk"});
}

}  // namespace
}  // namespace mapsetdesk::testing
