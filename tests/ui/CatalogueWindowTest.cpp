// The show/remove action and the removals in the main window, driven as a
// person drives them, over real mapset files and packages.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/InfoXml.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/Permissions.h"
#include "platform/RegistryOps.h"
#include "support/DenyingFolderOps.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBase = "SOFTWARE";

class CatalogueWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::fMain& start() { return program.start().main; }

  // The show/remove button; on Windows its first step asks SetACL for the
  // rights on the Garmin key, which the test's program folder lacks.
  void showAndRemove(ui::fMain& main) {
    ASSERT_TRUE(click(main.CommandKartenentfernen));
    if (grantsRights()) {
      EXPECT_EQ(program.dialogs.take().text, kSetAclMissing);
    }
  }

  MapsetFiles mapset(const std::string& baseName, const std::string& name, std::uint16_t fid,
                     std::uint16_t pid = 1) {
    return mapsets.make(program.folder / "Karten", baseName, name, fid, pid);
  }
  void registerFamily(const std::string& family, const std::string& product,
                      const MapsetFiles& files) {
    registerFamilyProduct(program.memory, kBase, RegistrationRoot::Families, family, 1, product,
                          files);
  }
  bool keyExists(const std::string& path) {
    return program.memory.canOpen(Root::LocalMachine, toAnsi(path));
  }
  fs::path allUsersMaps() const { return program.folder / "ProgramData" / "GARMIN" / "Maps"; }
  void expectMessage(const std::string& text, Buttons buttons = Buttons::Ok,
                     const std::string& title = "ZORVAN") {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.buttons, buttons);
  }
  // The removal question names the mapset in its title.
  void expectRemovalQuestion(const std::string& mapset, Buttons buttons = Buttons::OkCancel,
                             const std::string& text = kGermanQuestion) {
    expectMessage(text, buttons, "ZORVAN - " + mapset);
  }
  static constexpr const char* kGermanQuestion =
      "Den Kartensatz wirklich aus Mapsource entfernen ?";

  ProgramHarness program;
  RealMapsets mapsets;
};

TEST_F(CatalogueWindow, ShowAndRemoveListsEveryColumnInRowOrder) {
  const MapsetFiles beta = mapset("Beta", "Beta", 12, 2);
  const MapsetFiles alpha = mapset("alpha", "alpha", 11);
  const MapsetFiles old = mapset("Alt", "Altkarte", 13);
  registerFamily("alpha11", "1", alpha);
  registerFamilyProduct(program.memory, kBase, RegistrationRoot::Families, "Beta12", 12, "2", beta,
                        "C:\\beta.typ");
  registerProductsEntry(program.memory, kBase, "13", old);
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");

  auto& main = start();
  main.ListMapsetName.visible = true;
  showAndRemove(main);

  using Items = std::vector<std::string>;
  EXPECT_EQ(main.ListLoeschen.items(), (Items{"Altkarte", "Beta", "alpha"}));
  EXPECT_EQ(main.ListMapsetName.items(), main.ListLoeschen.items());
  EXPECT_EQ(main.ListID.items(), (Items{"13", "12", "11"}));
  EXPECT_EQ(main.ListPID.items(), (Items{"1", "2", "1"}));
  EXPECT_EQ(main.ListSubkey.items(), (Items{"13", "Beta12\\2", "alpha11\\1"}));
  EXPECT_EQ(main.ListProdFam.items(), (Items{"Products", "Families", "Families"}));
  EXPECT_EQ(main.ListTDB.items(), (Items{old.tdb, beta.tdb, alpha.tdb}));
  EXPECT_EQ(main.ListIMG.items(), (Items{old.overview, beta.overview, alpha.overview}));
  EXPECT_EQ(main.ListLoc.items(), (Items{old.tiles, beta.tiles, alpha.tiles}));
  EXPECT_EQ(main.ListTypefile.items(), (Items{"keinTypefile", "C:\\beta.typ", "keinTypefile"}));
  const std::string families = "SOFTWARE\\Garmin\\MapSource\\Families\\";
  EXPECT_EQ(main.ListUnterschluessel.items(),
            (Items{"SOFTWARE\\Garmin\\MapSource\\Products\\", families + "Beta12\\",
                   families + "alpha11\\"}));
  EXPECT_EQ(main.ListHauptschluessel.items(), (Items{"alpha11", "Beta12"}));

  EXPECT_EQ(main.ListMapsetGMP.items(), (Items{"gmap; Harzkarte Süd; FID:4711;PID:3"}));
  EXPECT_EQ(main.ListXMLPfad.items(), (Items{pathOf(package / "Info.xml")}));
  EXPECT_EQ(main.ListGmpTdb.items(), (Items{pathOf(package / "Product3" / "osmmap.tdb")}));
  EXPECT_EQ(main.ListgmpFid.items(), (Items{"4711"}));
  EXPECT_EQ(main.ListgmpPID.items(), (Items{"3"}));
  EXPECT_EQ(main.ListgmpMDX.items(), (Items{"osmmap.mdx"}));

  EXPECT_EQ(program.session->vTypeaendern, "nein");
  EXPECT_EQ(program.session->vGMPTypeaendern, "entfernen");
  EXPECT_FALSE(main.ListMapsetName.visible);
  EXPECT_FALSE(main.TextMapsetname.visible);
  EXPECT_FALSE(main.CommandNameuebernehmen.visible);
  EXPECT_TRUE(main.ListLoeschen.usable());
  EXPECT_TRUE(main.ListSubkey.visible);
  EXPECT_TRUE(main.ListID.visible);
  EXPECT_TRUE(main.ListMapsetGMP.visible);
  EXPECT_TRUE(main.CommandTypeaendern.enabled);
  EXPECT_TRUE(main.CommandMapnameAendern.enabled);
  EXPECT_TRUE(main.CommandFilename.enabled);
  EXPECT_EQ(main.CommandKartenentfernen.backColor, ui::kActionColour);
  EXPECT_EQ(main.CommandFID.backColor, ui::kButtonColour);
  const auto& pointers = program.screen.pointers["fMain"];
  ASSERT_GE(pointers.size(), 2u);
  EXPECT_EQ(pointers[pointers.size() - 2], ui::MousePointer::Hourglass);
  EXPECT_EQ(pointers.back(), ui::MousePointer::Default);
}

TEST_F(CatalogueWindow, WithoutMapFoldersTheGmapListSaysSoInTheLanguage) {
  auto& main = start();
  showAndRemove(main);
  EXPECT_EQ(main.ListMapsetGMP.items(),
            std::vector<std::string>{"keine Karten im 'gmp'-Format vorhanden."});
  EXPECT_TRUE(main.ListXMLPfad.items().empty());
  EXPECT_TRUE(main.ListLoeschen.items().empty());

  ASSERT_TRUE(click(main.Sprachwahl));
  showAndRemove(main);
  EXPECT_EQ(main.ListMapsetGMP.items(),
            std::vector<std::string>{"no mapsets in gmp-format are existing."});
}

TEST_F(CatalogueWindow, DuplicateFidsAreToldAtTheEnd) {
  registerFamily("Doppel500", "1", mapset("Doppel", "Doppelt", 500));
  writeFile(allUsersMaps() / "Doppel.gmap" / "Info.xml",
            infoXmlForNewMapset({"Doppel", "500", "Doppeloo", false}));
  auto& main = start();
  showAndRemove(main);
  expectMessage("FID 500 ist doppelt.");
  EXPECT_GT(program.screen.eventRuns, 0);
}

TEST_F(CatalogueWindow, RemovalListingMessagesAreShownInTheWindow) {
  program.memory.setValue(Root::LocalMachine, "SOFTWARE\\Garmin\\MapSource\\Products\\7",
                          {"TDB", kRegBinary, "\x01\x02"});
  fs::create_directories(allUsersMaps() / "Leer.gmap");
  auto& main = start();
  showAndRemove(main);
  expectMessage(
      "In folgendem Registryschlüssel fehlt der Eintrag zum Wert 'TDB=' . Sie müssen diesen "
      "Eintrag vornehmen oder den Schlüssel komplett loeschen. : "
      "SOFTWARE\\Garmin\\MapSource\\Products\\7");
  expectMessage("missing Info.xml in " + pathOf(allUsersMaps() / "Leer.gmap"));
}

TEST_F(CatalogueWindow, CancellingTheRemovalChangesNothing) {
  const MapsetFiles files = mapset("Bleibt", "Bleibt", 20);
  registerFamily("Bleibt20", "1", files);
  auto& main = start();
  showAndRemove(main);
  program.dialogs.answer(Answer::Cancel);
  ASSERT_TRUE(dblClick(main.ListLoeschen, 0));
  expectRemovalQuestion("Bleibt");
  EXPECT_TRUE(keyExists("SOFTWARE\\Garmin\\MapSource\\Families\\Bleibt20\\1"));
  EXPECT_TRUE(fs::exists(filePath(files.tdb)));
  EXPECT_EQ(main.ListLoeschen.items(), std::vector<std::string>{"Bleibt"});
}

TEST_F(CatalogueWindow, RemovalTakesKeysAndFilesAndRefreshesTheLists) {
  const MapsetFiles first = mapset("Erste", "Erste", 21, 1);
  const MapsetFiles second = mapset("Zweite", "Zweite", 21, 2);
  registerFamily("Karte21", "1", first);
  registerFamily("Karte21", "2", second);
  auto& main = start();
  showAndRemove(main);
  main.CommandFilename.enabled = false;
  program.dialogs.answer(Answer::Ok);
  ASSERT_TRUE(dblClick(main.ListLoeschen, 1));
  expectRemovalQuestion("Zweite");
  EXPECT_EQ(main.ListLoeschen.items(), std::vector<std::string>{"Erste"});
  EXPECT_EQ(main.ListSubkey.items(), std::vector<std::string>{"Karte21\\1"});
  EXPECT_FALSE(keyExists("SOFTWARE\\Garmin\\MapSource\\Families\\Karte21\\2"));
  EXPECT_TRUE(keyExists("SOFTWARE\\Garmin\\MapSource\\Families\\Karte21\\1"));
  EXPECT_FALSE(fs::exists(filePath(second.tdb)));
  EXPECT_FALSE(fs::exists(filePath(second.overview)));
  EXPECT_TRUE(main.CommandFilename.enabled);
  EXPECT_TRUE(main.ListLoeschen.usable());
  EXPECT_EQ(program.session->vRegistryKey, "");

  program.dialogs.answer(Answer::Ok);
  ASSERT_TRUE(dblClick(main.ListLoeschen, 0));
  expectRemovalQuestion("Erste");
  EXPECT_TRUE(main.ListLoeschen.items().empty());
  EXPECT_FALSE(keyExists("SOFTWARE\\Garmin\\MapSource\\Families\\Karte21"));
}

TEST_F(CatalogueWindow, AFileThatIsHeldOpenIsLeftWithAMessage) {
  const MapsetFiles files = mapset("Offen", "Offen", 22);
  registerFamily("Offen22", "1", files);
  DenyingFolderOps denying;
  ProgramHarness& p = program;
  Services services{p.registry, p.facts,  p.dialogs, p.sound,
                    p.shell,    p.runner, denying,   p.services.programFolder};
  Session session;
  ui::ProgramWindows windows(p.screen, services, session);
  windows.main.show();
  showAndRemove(windows.main);
  p.dialogs.answer(Answer::Ok);
  ASSERT_TRUE(dblClick(windows.main.ListLoeschen, 0));
  expectRemovalQuestion("Offen");
  const Message denied = program.dialogs.take();
  EXPECT_EQ(denied.text, "Zugriff verweigert, close MapSource first");
  EXPECT_EQ(denied.title, "ZORVAN");
  EXPECT_TRUE(denied.systemModal) << "in front of MapSource, which holds the file";
  EXPECT_FALSE(keyExists("SOFTWARE\\Garmin\\MapSource\\Families\\Offen22"));
  EXPECT_TRUE(fs::exists(filePath(files.tdb)));
  EXPECT_TRUE(windows.main.ListLoeschen.items().empty());
}

TEST_F(CatalogueWindow, AKeyThatCannotBeDeletedKeepsFilesAndTellsWhy) {
  const MapsetFiles files = mapset("Fest", "Fest", 24);
  registerFamily("Fest24", "1", files);
  auto& main = start();
  showAndRemove(main);
  const auto removeRefused = [&] {
    program.registry.refuseWrites();
    program.dialogs.answer(Answer::Ok);
    ASSERT_TRUE(dblClick(main.ListLoeschen, 0));
    program.registry.refuseWrites(false);
  };
  removeRefused();
  expectRemovalQuestion("Fest");
  expectMessage(
      "Der Kartensatz konnte nicht aus der Registry entfernt werden, seine Dateien wurden nicht "
      "gelöscht. Schließen Sie MapSource und starten Sie das Programm als Administrator.");
  EXPECT_TRUE(keyExists("SOFTWARE\\Garmin\\MapSource\\Families\\Fest24\\1"));
  EXPECT_TRUE(fs::exists(filePath(files.tdb)));
  EXPECT_TRUE(fs::exists(filePath(files.overview)));
  EXPECT_EQ(main.ListLoeschen.items(), std::vector<std::string>{"Fest"});

  ASSERT_TRUE(click(main.Sprachwahl));
  removeRefused();
  expectRemovalQuestion("Fest", Buttons::OkCancel, "Are you sure to remove mapset ?");
  expectMessage(
      "The mapset could not be removed from the registry, its files were not deleted. Close "
      "MapSource and start the program as administrator.");
  EXPECT_TRUE(fs::exists(filePath(files.tdb)));
}

TEST_F(CatalogueWindow, AFileAnotherMapsetUsesStaysAndTheUserIsTold) {
  program.storeSetting("Language", "Eng");
  const MapsetFiles files = mapset("Geteilt", "Geteilt", 23);
  registerFamily("Geteilt23", "1", files);
  registerProductsEntry(program.memory, kBase, "23", files);
  auto& main = start();
  showAndRemove(main);
  expectMessage("FID 23 ist doppelt.");
  program.dialogs.answer(Answer::Ok);
  ASSERT_EQ(main.ListSubkey.item(1), "Geteilt23\\1");
  ASSERT_TRUE(dblClick(main.ListLoeschen, 1));
  expectRemovalQuestion("Geteilt", Buttons::OkCancel, "Are you sure to remove mapset ?");
  for (const std::string& file : {files.tdb, files.overview}) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, "The file \"" + file +
                              "\" is still used by the mapset \"Geteilt\" and was not deleted.");
    EXPECT_EQ(shown.title, "ZORVAN");
  }
  EXPECT_TRUE(fs::exists(filePath(files.tdb)));
  EXPECT_EQ(main.ListSubkey.items(), std::vector<std::string>{"23"});
}

TEST_F(CatalogueWindow, APackageIsRemovedAfterYes) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  auto& main = start();
  showAndRemove(main);
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  expectRemovalQuestion("gmap; Harzkarte Süd; FID:4711;PID:3", Buttons::YesNo);
  EXPECT_TRUE(fs::exists(package));
  EXPECT_EQ(program.session->vGMPoderIMG, "GMP");

  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  expectRemovalQuestion("gmap; Harzkarte Süd; FID:4711;PID:3", Buttons::YesNo);
  EXPECT_FALSE(fs::exists(package));
  EXPECT_TRUE(main.ListMapsetGMP.items().empty());
  EXPECT_TRUE(main.ListXMLPfad.items().empty());
}

TEST_F(CatalogueWindow, TheNoPackagesRowIsNeverTakenForAPackage) {
  auto& main = start();
  showAndRemove(main);
  ASSERT_EQ(main.ListMapsetGMP.items(),
            std::vector<std::string>{"keine Karten im 'gmp'-Format vorhanden."});
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  EXPECT_TRUE(program.dialogs.messages().empty());
  EXPECT_TRUE(fs::exists(program.folder / "program"));
  EXPECT_EQ(main.ListMapsetGMP.items(),
            std::vector<std::string>{"keine Karten im 'gmp'-Format vorhanden."});
}

TEST_F(CatalogueWindow, InOtherModesADoubleClickOnAPackageRemovesNothing) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  auto& main = start();
  showAndRemove(main);
  program.session->vTypeaendern = "ja";
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  program.session->vTypeaendern = "nein";
  program.session->vFIDchange = true;
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  EXPECT_TRUE(fs::exists(package));
}

TEST_F(CatalogueWindow, AClickOnAPackageNamesItsFolderInTheToolTip) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  auto& main = start();
  showAndRemove(main);
  ASSERT_TRUE(click(main.ListMapsetGMP, 0));
  EXPECT_EQ(main.ListMapsetGMP.toolTip, pathOf(package) + " Doppelclick zum loeschen");
}

TEST_F(CatalogueWindow, TheModeXxLocksTheMapsetList) {
  registerFamily("Name30", "1", mapset("Name", "Name", 30));
  auto& main = start();
  main.ListMapsetName.visible = true;
  main.TDBlesen();
  program.session->vMapsetName = "XX";
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  EXPECT_FALSE(main.ListMapsetName.enabled);
}

TEST_F(CatalogueWindow, FreeFidReadsTheCatalogueWhenItIsEmpty) {
  registerFamily("Zehn10", "1", mapset("Zehn", "Zehn", 10));
  writeFile(allUsersMaps() / "Elf.gmap" / "Info.xml",
            infoXmlForNewMapset({"Elf", "11", "Elfooooo", false}));
  auto& main = start();
  EXPECT_EQ(main.FreieIdNr(), 12);
  EXPECT_EQ(main.ListID.items(), std::vector<std::string>{"10"});
  EXPECT_EQ(main.ListgmpFid.items(), std::vector<std::string>{"11"});
  EXPECT_FALSE(main.ListMapsetGMP.visible);
}

TEST_F(CatalogueWindow, FreeFidCountsPackagesWithoutAnyRegistration) {
  writeFile(allUsersMaps() / "Zehn.gmap" / "Info.xml",
            infoXmlForNewMapset({"Zehn", "10", "Zehnoooo", false}));
  auto& main = start();
  EXPECT_EQ(main.FreieIdNr(), 11);
  EXPECT_EQ(main.ListgmpFid.items(), std::vector<std::string>{"10"});
}

}  // namespace
}  // namespace mapsetdesk::testing
