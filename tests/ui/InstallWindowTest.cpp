// The installation run behind "next step-add to Mapsource", driven in the
// main window over copies of real tiles, with the stand-ins of gmt.exe and
// cgpsmapper in the program folder: the registration, the gmap package and
// every way the run stops.
#include <fstream>

#include "app/messages/IdTexts.h"
#include "app/messages/InstallTexts.h"
#include "catalogue/Registration.h"
#include "platform/RegistryOps.h"
#include "platform/ShortPath.h"
#include "support/TempDir.h"
#include "ui/TileInstallFixture.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kFamilies[] = "SOFTWARE\\Garmin\\MapSource\\Families\\";

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
       end = bytes.find("\r\n", start)) {
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class InstallWindow : public TileInstallFixture {
 protected:
  std::string registryText(const std::string& key, const std::string& name) {
    return fRegAbfrageWert(program.memory, Root::LocalMachine, key, name);
  }
  void removeStandin(const std::string& relative) {
    fs::remove(program.folder / "program" / relative);
  }
};

TEST_F(InstallWindow, ARegistrationWritesTheFamilyKeyAndTheCatalogueListsIt) {
  ui::fMain& main = readyToInstall();
  ASSERT_TRUE(type(main.TextBoxID, "1234"));
  program.dialogs.answer(Answer::No);
  install(main);
  expectLayoutQuestion();
  expectMessage(text("Fehler8"), "ZORVAN");
  EXPECT_EQ(main.Mapname(), "Topo_Har");
  const std::string family = std::string(kFamilies) + "Topo_Har1234";
  const std::string pfad = joinPath(pathText(karten()), "");
  EXPECT_EQ(program.memory.queryValue(Root::LocalMachine, family, "ID")->data,
            std::string("\xD2\x04", 2));
  EXPECT_EQ(registryText(family + "\\1", "TDB"), pfad + "Topo_Har.TDB");
  EXPECT_EQ(registryText(family + "\\1", "BMAP"), pfad + "Topo_Har.img");
  EXPECT_EQ(registryText(family + "\\1", "LOC"), pfad);
  EXPECT_EQ(registryText(family, "TYP"), "");
  EXPECT_EQ(main.TextMeldung.text(), text("Text2"));
  // The TDB gmt.exe wrote is found under the name the registration gives it.
  ASSERT_EQ(main.ListLoeschen.count(), 1);
  EXPECT_EQ(main.ListLoeschen.item(0), "Topo_Harz");
  EXPECT_EQ(main.ListID.item(0), "1234");
  EXPECT_TRUE(main.List1.enabled);
  EXPECT_TRUE(main.Command2.enabled);
  EXPECT_TRUE(main.CommandAllesLoeschen.enabled);
  EXPECT_FALSE(main.CommandButtonPV.enabled) << "the installed mapset is not offered again";
}

TEST_F(InstallWindow, TheNextStepWaitsForAFinishedSelectionWithAName) {
  ui::fMain& main = startSelection();
  EXPECT_FALSE(main.CommandButtonPV.enabled) << "no tile chosen yet";
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  ASSERT_TRUE(click(main.Command1));
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo Harz"));
  EXPECT_TRUE(main.CommandButtonPV.enabled);
}

// Only a TYP file named like the TDB beside the tiles goes with a new
// mapset: one chosen in the picker is asked about before anything is made.
TEST_F(InstallWindow, AChosenTypFileTheMapsetWouldNotGetIsAskedAbout) {
  const fs::path styles = program.folder / "Stile";
  fs::create_directories(styles);
  std::ofstream(styles / "a.typ") << "typ";
  ui::fMain& main = program.start().main;
  main.CheckTypfile.setValue(true);
  ASSERT_TRUE(click(main.CommandHinzufuegen));
  ASSERT_TRUE(choose(main.Dir1, pathText(karten())));
  ASSERT_TRUE(choose(main.DirTypefile, pathText(styles)));
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img"), tile("63240002.img")}));
  ASSERT_TRUE(click(main.Command1));
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo Harz"));
  ASSERT_TRUE(leave(main.TextBoxMSName));
  program.dialogs.answer(Answer::No);
  install(main);
  expectMessage(text("Fehler61") + pathText(styles / "a.typ"), "ZORVAN", Buttons::YesNo);
  EXPECT_FALSE(exists(kartenFile("Topo_Har.tdb")));
  EXPECT_TRUE(main.CommandButtonPV.enabled);
}

TEST_F(InstallWindow, TheRunLeavesThePatchedSourceAndRemovesTheHelperFiles) {
  ui::fMain& main = readyToInstall();
  program.dialogs.answer(Answer::No);
  install(main);
  expectLayoutQuestion();
  expectMessage(text("Fehler8"), "ZORVAN");
  for (const char* gone : {"install.bat", "uninstall.bat", "Topo_Har.reg"})
    EXPECT_FALSE(exists(kartenFile(gone))) << gone;
  EXPECT_FALSE(exists(pathText(program.folder / "program" / "list.txt")));
  const std::string source = readFile(karten() / "Topo_Har.mp");
  EXPECT_EQ(source.find("Label=GMapTool Preview"), std::string::npos);
  EXPECT_EQ(source.find("Type=0x0b00"), std::string::npos);
  EXPECT_NE(source.find("Type=0x6300"), std::string::npos);
  EXPECT_TRUE(exists(kartenFile("Topo_Har.img")));
  // The tool window shows gmt's output, then the compiler's.
  const std::string shown = program.windows().pipe.Text1.text();
  // gmt reads the short paths of its list file.
  EXPECT_NE(shown.find("reading " + shortPath(tile("63240001.img"))), std::string::npos);
  EXPECT_NE(shown.find("cGPSmapper stand-in"), std::string::npos);
}

TEST_F(InstallWindow, AGmapInstallationBuildsThePackageAndTellsHowManyFiles) {
  ui::fMain& main = readyToInstall();
  program.dialogs.answer(Answer::Yes);
  install(main);
  expectLayoutQuestion();
  expectMessage(text("Satz61") + "2" + text("Satz62"), "ZORVAN");
  const fs::path package = allUsersMaps() / "Topo Harz.gmap";
  const std::vector<std::string> info = linesOf(readFile(package / "Info.xml"));
  ASSERT_EQ(info.size(), 14u);
  EXPECT_EQ(info[2], "<Name>Topo Harz</Name>");
  EXPECT_EQ(info[5], "<ID>10</ID>");
  EXPECT_EQ(info[6], "<SubProduct>");
  EXPECT_EQ(info[10], "<TDB>Topo_Har.tdb</TDB>");
  EXPECT_EQ(info[11], "<Directory>Product1</Directory>");
  for (const char* tileFolder : {"63240001", "63240002"})
    EXPECT_TRUE(fs::exists(package / "Product1" / tileFolder / (std::string(tileFolder) + ".TRE")));
  EXPECT_TRUE(fs::exists(package / "Product1" / "Topo_Har.tdb"));
  EXPECT_FALSE(fs::is_empty(package / "Product1" / "mapset"));
  for (const char* gone : {"Topo_Har.tdb", "Topo_Har.img", "Topo_Har.mp"})
    EXPECT_FALSE(exists(kartenFile(gone))) << gone;
  EXPECT_TRUE(exists(tile("63240001.img")));
  EXPECT_EQ(main.TextMeldung.text(), text("Satz61") + "2" + text("Satz62"));
  EXPECT_TRUE(program.windows().pipe.visible());
}

TEST_F(InstallWindow, AMissingCompilerOrCompanionStopsBeforeAnythingIsWritten) {
  removeStandin("Version97c/sendg.dll");
  ui::fMain& main = readyToInstall();
  install(main);
  expectMessage(text("Fehler33") + pathText(program.folder / "program" / "Version97c"), "ZORVAN");
  removeStandin("Version97c/cgpsmapper.exe");
  install(main);
  expectMessage(text("Fehler13"), "ZORVAN Version80-33-1");
  EXPECT_FALSE(exists(kartenFile("Topo_Har.tdb")));
  EXPECT_FALSE(exists(pathText(program.folder / "program" / "list.txt")));
  EXPECT_TRUE(main.CommandButtonPV.enabled);
}

TEST_F(InstallWindow, NoTdbFromGmtEndsTheRunWithTheTdbMessage) {
  ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "nothing");
  ui::fMain& main = readyToInstall();
  install(main);
  expectMessage(text("Fehler41"), "ZORVAN Build 80-33-1");
  EXPECT_TRUE(main.CommandButtonPV.enabled);
  EXPECT_TRUE(main.Command2.enabled);
  EXPECT_FALSE(main.List1.enabled);
}

TEST_F(InstallWindow, AMissingGmtIsToldAndTheTdbTestFails) {
  removeStandin("gmt.exe");
  ui::fMain& main = readyToInstall();
  install(main);
  expectMessage(text("Fehler42"), "ZORVAN");
  expectMessage(text("Fehler41"), "ZORVAN Build 80-33-1");
}

TEST_F(InstallWindow, TilesFromAnotherFolderFailTheTdbTest) {
  const fs::path other = program.folder / "Andere";
  fs::create_directories(other);
  fs::copy_file(karten() / "63240001.img", other / "63240001.img");
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {pathText(other / "63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo Harz"));
  install(main);
  expectMessage(text("Fehler41"), "ZORVAN Build 80-33-1");
  // gmt.exe wrote into the folder shown; the failed run takes it away again.
  EXPECT_FALSE(exists(kartenFile("Topo_Har.tdb")));
}

TEST_F(InstallWindow, WithoutOverviewAndWithoutJavaTheHintEndsTheRun) {
  ScopedEnvironment fault("MAPSETDESK_CGPSMAPPER_FAULT", "nothing");
  ui::fMain& main = readyToInstall();
  install(main);
  expectMessage(program.session->texts.cgpsmapperHint(), "ZORVAN Build 80-33-1");
  EXPECT_TRUE(main.CommandAllesLoeschen.enabled);
  EXPECT_FALSE(program.memory.canOpen(Root::LocalMachine, std::string(kFamilies) + "Topo_Har10"));
}

TEST_F(InstallWindow, WithoutMkgmapJarTheFallBackSaysSo) {
  ScopedEnvironment fault("MAPSETDESK_CGPSMAPPER_FAULT", "nothing");
  fStringSpeichern(program.memory, Root::LocalMachine, kJavaKey, "CurrentVersion", "1.8");
  ui::fMain& main = readyToInstall();
  program.dialogs.answer(Answer::Yes);
  install(main);
  expectMessage(text("Fehler9"), "ZORVAN Build 80-33-1", Buttons::YesNo);
  expectMessage(text("Fehler40"), "ZORVAN Build 80-33-1");
}

TEST_F(InstallWindow, ARefusingRegistryShowsTheFailureAndNoSuccessText) {
  ui::fMain& main = readyToInstall();
  program.registry.refuseWrites();
  program.dialogs.answer(Answer::No);
  install(main);
  expectLayoutQuestion();
  expectMessage(text("Fehler29"), "ZORVAN");
  EXPECT_NE(main.TextMeldung.text(), text("Text2"));
  EXPECT_EQ(main.ListLoeschen.count(), 0);
}

TEST_F(InstallWindow, AnEmptyNameOrAFidBeyondTwoBytesIsRefusedBeforeAnythingIsWritten) {
  ui::fMain& main = readyToInstall();
  ASSERT_TRUE(type(main.TextBoxMSName, ""));
  install(main);
  expectMessage(text("Fehler18"), "ZORVAN");
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo"));
  main.TextBoxID.setText("70000");
  install(main);
  expectMessage(idFaultText(Sprache::English, IdKind::Fid, IdFault::TooBig), "ZORVAN");
  EXPECT_FALSE(exists(kartenFile("Toposooo.tdb")));
  EXPECT_FALSE(exists(kartenFile("Topooooo.tdb")));
}

// A second package of the same name, even one typed with a dot at its end,
// would take over the first one's folder: refused before gmt runs.
TEST_F(InstallWindow, ASecondPackageOfAnInstalledNameIsRefusedAndTheFirstStaysAsItWas) {
  ui::fMain& main = readyToInstall("Harz");
  program.dialogs.answer(Answer::Yes);
  install(main);
  expectLayoutQuestion();
  expectMessage(text("Satz61") + "2" + text("Satz62"), "ZORVAN");
  const fs::path package = allUsersMaps() / "Harz.gmap";
  const std::string info = readFile(package / "Info.xml");
  ui::fMain& again = readyToInstall("Harz.");
  install(again);
  expectMessage(clashText(Sprache::English, ClashKind::PackageFolder, pathText(package),
                          "Harz.gmap"),
                "QUIRANEL");
  EXPECT_EQ(readFile(package / "Info.xml"), info);
  EXPECT_FALSE(exists(kartenFile("Harzoooo.tdb")));
  EXPECT_EQ(again.ListMapsetGMP.count(), 1);
}

}  // namespace
}  // namespace mapsetdesk::testing
