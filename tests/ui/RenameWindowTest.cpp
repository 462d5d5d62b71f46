// The main window's rename, driven as a person drives it, over real mapset
// files: a registered mapset, a gmap package, the name rule and the stops.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/EditTexts.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/CatalogueMessages.h"
#include "edit/EditMessages.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "platform/Codec.h"
#include "platform/RegistryOps.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBase = "SOFTWARE";

class RenameWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::fMain& startRenaming() {
    ui::fMain& main = program.start().main;
    EXPECT_TRUE(click(main.CommandMapnameAendern));
    return main;
  }
  MapsetFiles registered(const std::string& name) {
    const MapsetFiles files = mapsets.make(program.folder / "Karten", "alpen", name, 1234, 1);
    registerFamilyProduct(program.memory, kBase, RegistrationRoot::Families, "Alpen1234", 1234, "1",
                          files);
    return files;
  }
  const MessageCatalogue& texts() { return program.session->texts; }
  bool german() { return texts().sprache() != Sprache::English; }
  void expectMessage(const std::string& text, Icon icon = Icon::None) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    EXPECT_EQ(shown.icon, icon);
  }
  void expectRenamed(const std::string& tdb) {
    expectMessage(texts().tdb().backupCreated + tdb + "-BAK");
    expectMessage(texts().tdb().nameChanged, Icon::Information);
  }
  static std::string tdbName(const std::string& tdb) { return readTdbHeader(tdb).header.name; }
  fs::path allUsersMaps() const { return program.folder / "ProgramData" / "GARMIN" / "Maps"; }

  ProgramHarness program;
  RealMapsets mapsets;
};

TEST_F(RenameWindow, RenamesARegisteredMapsetWithBackupAndValidChecksum) {
  const MapsetFiles files = registered("Alpenkarte");
  const std::string before = readFile(filePath(files.tdb));
  ui::fMain& main = startRenaming();
  EXPECT_EQ(main.CommandNameuebernehmen.caption, texts().text(key::Satz50));
  EXPECT_EQ(main.CommandMapnameAendern.backColor, ui::kActionColour);
  EXPECT_TRUE(main.LabelHinweis.shown());
  EXPECT_EQ(main.LabelHinweis.caption, texts().text(key::Satz49));
  ASSERT_EQ(main.ListMapsetName.items(), std::vector<std::string>{"Alpenkarte"});
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  EXPECT_EQ(main.TextMapsetname.text(), "Alpenkarte");
  ASSERT_TRUE(type(main.TextMapsetname, "  Neue Karte "));
  EXPECT_EQ(main.TextMapsetname.text(), "Neue Karte ") << "leading blanks go, trailing stay";
  ASSERT_TRUE(click(main.CommandNameuebernehmen));

  expectRenamed(files.tdb);
  EXPECT_EQ(tdbName(files.tdb), "Neue Karte ");
  EXPECT_EQ(checkTdbChecksum(readFile(filePath(files.tdb))).state, TdbChecksumState::Ok);
  EXPECT_EQ(readFile(filePath(files.tdb + "-BAK")), before);
  EXPECT_EQ(main.ListMapsetName.items(), std::vector<std::string>{"Neue Karte "});
  EXPECT_FALSE(main.LabelHinweis.shown()) << "the hint goes with the rename mode";
  EXPECT_EQ(fRegAbfrageWert(program.memory, Root::LocalMachine,
                            "SOFTWARE\\Garmin\\MapSource\\Families\\Alpen1234\\1", "TDB"),
            files.tdb);
  EXPECT_EQ(program.session->vMapsetName, "");
  EXPECT_FALSE(main.TextMapsetname.visible);
  EXPECT_EQ(main.CommandMapnameAendern.backColor, ui::kButtonColour);
  EXPECT_EQ(program.sound.played.back(), joinPath(program.services.programFolder, "Success.wav"));
  EXPECT_TRUE(main.lastEditCompleted());
}

TEST_F(RenameWindow, ASpecialCharacterCutsTheNameAndDisablesTheButton) {
  const MapsetFiles files = registered("Alpenkarte");
  ui::fMain& main = startRenaming();
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  ASSERT_TRUE(type(main.TextMapsetname,
                   "Karte \xC3\x9C"
                   "ber"));
  ASSERT_TRUE(leave(main.TextMapsetname));
  expectMessage(texts().text(key::Satzumlaut));
  EXPECT_EQ(main.TextMapsetname.text(), "Karte ");
  EXPECT_FALSE(main.CommandNameuebernehmen.enabled);
  EXPECT_FALSE(fs::exists(filePath(files.tdb + "-BAK")));
}

TEST_F(RenameWindow, ADeniedBackupIsReportedAndTheTdbStaysAsItWas) {
  const MapsetFiles files = registered("Alpenkarte");
  const std::string before = readFile(filePath(files.tdb));
  fs::create_directory(filePath(files.tdb + "-BAK"));
  ui::fMain& main = startRenaming();
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  ASSERT_TRUE(type(main.TextMapsetname, "Neu"));
  ASSERT_TRUE(click(main.CommandNameuebernehmen));
  expectMessage(backupRefusedText(files.tdb), Icon::Information);
  EXPECT_EQ(readFile(filePath(files.tdb)), before);
  EXPECT_EQ(program.session->vMapsetName, "") << "the window leaves the rename mode";
  EXPECT_FALSE(main.lastEditCompleted());
}

TEST_F(RenameWindow, RenamesAPackageInItsInfoXmlAndItsTdb) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  const std::string tdb = pathOf(package / "Product3" / "osmmap.tdb");
  const std::string infoBefore = readFile(package / "Info.xml");
  const std::string oldName =
      "Harzkarte S\xC3\xBC"
      "d";
  ASSERT_NE(infoBefore.find(oldName), std::string::npos);
  ui::fMain& main = startRenaming();
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  EXPECT_EQ(main.TextMapsetname.text(), oldName);
  ASSERT_TRUE(type(main.TextMapsetname, "Harz Neu"));
  ASSERT_TRUE(click(main.CommandNameuebernehmen));

  expectRenamed(tdb);
  std::string expected = infoBefore;
  for (auto at = expected.find(oldName); at != std::string::npos; at = expected.find(oldName))
    expected.replace(at, oldName.size(), "Harz Neu");
  EXPECT_EQ(readFile(package / "Info.xml"), expected);
  EXPECT_EQ(tdbName(tdb), "Harz Neu");
  EXPECT_EQ(checkTdbChecksum(readFile(filePath(tdb))).state, TdbChecksumState::Ok);
  EXPECT_EQ(main.ListMapsetGMP.items(), std::vector<std::string>{"gmap; Harz Neu; FID:4711;PID:3"});
}

TEST_F(RenameWindow, PickingAPackageAfterShowAndRemoveRenamesAndRemovesNothing) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  ui::fMain& main = program.start().main;
  program.session->vGMPTypeaendern = "entfernen";  // as the show/remove button leaves it
  ASSERT_TRUE(click(main.CommandMapnameAendern));
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  EXPECT_TRUE(fs::exists(package / "Info.xml"));
  EXPECT_TRUE(main.CommandNameuebernehmen.usable());
}

TEST_F(RenameWindow, AnUnreadableInfoXmlStopsThePackageRenameBeforeTheTdb) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  const std::string tdb = pathOf(package / "Product3" / "osmmap.tdb");
  const std::string tdbBefore = readFile(filePath(tdb));
  ui::fMain& main = startRenaming();
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  fs::remove(package / "Info.xml");
  fs::create_directory(package / "Info.xml");
  ASSERT_TRUE(type(main.TextMapsetname, "Harz Neu"));
  ASSERT_TRUE(click(main.CommandNameuebernehmen));
  expectMessage(infoXmlFailedText(german(), pathOf(package / "Info.xml")), Icon::Exclamation);
  program.dialogs.clear();  // the refreshed gmap list tells of the damaged package
  EXPECT_EQ(readFile(filePath(tdb)), tdbBefore);
  EXPECT_FALSE(fs::exists(filePath(tdb + "-BAK")));
}

TEST_F(RenameWindow, AnEmptyOrBlankNameIsRefusedAndNothingIsWritten) {
  const MapsetFiles files = registered("Alpenkarte");
  const std::string before = readFile(filePath(files.tdb));
  ui::fMain& main = startRenaming();
  for (const char* name : {"", "   "}) {
    ASSERT_TRUE(click(main.CommandMapnameAendern));
    ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
    ASSERT_TRUE(type(main.TextMapsetname, name));
    ASSERT_TRUE(click(main.CommandNameuebernehmen));
    expectMessage(texts().text(key::Fehler18), Icon::Exclamation);
    EXPECT_EQ(readFile(filePath(files.tdb)), before);
    EXPECT_FALSE(fs::exists(filePath(files.tdb + "-BAK")));
    EXPECT_FALSE(main.lastEditCompleted());
  }
}

// Info.xml is written only once the TDB is known to take the new name, and
// put back when the TDB then cannot be written.
TEST_F(RenameWindow, APackageRenameChangesInfoXmlAndTdbTogetherOrNeither) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  const std::string tdb = pathOf(package / "Product3" / "osmmap.tdb");
  const std::string tdbBefore = readFile(filePath(tdb));
  const std::string infoBefore = readFile(package / "Info.xml");
  ui::fMain& main = startRenaming();
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  writeFile(filePath(tdb), tdbBefore.substr(0, 60));
  ASSERT_TRUE(type(main.TextMapsetname, "Harz Neu"));
  ASSERT_TRUE(click(main.CommandNameuebernehmen));
  const Message damaged = program.dialogs.take();
  EXPECT_TRUE(damaged.text.starts_with(texts().tdb().damaged + tdb)) << damaged.text;
  EXPECT_EQ(readFile(package / "Info.xml"), infoBefore);
  EXPECT_FALSE(main.lastEditCompleted());

  writeFile(filePath(tdb), tdbBefore);
  fs::create_directory(filePath(tdb + ".mapsetdesk-new"));
  ASSERT_TRUE(click(main.CommandMapnameAendern));
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  ASSERT_TRUE(type(main.TextMapsetname, "Harz Neu"));
  ASSERT_TRUE(click(main.CommandNameuebernehmen));
  expectMessage(texts().tdb().backupCreated + tdb + "-BAK");
  const EditTexts edit = editTexts(german() ? Sprache::Deutsch : Sprache::English);
  expectMessage(edit.undone + tdb, Icon::Exclamation);
  EXPECT_EQ(readFile(package / "Info.xml"), infoBefore);
  EXPECT_EQ(readFile(filePath(tdb)), tdbBefore);
  EXPECT_FALSE(main.lastEditCompleted());
}

// A package whose Info.xml names a TDB outside it is listed as damaged, so
// no rename, FID change or repair can reach that file.
TEST_F(RenameWindow, APackageNamingATdbOutsideItIsDamagedAndNotListed) {
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  const fs::path victim = program.folder / "victim.tdb";
  fs::copy_file(package / "Product3" / "osmmap.tdb", victim);
  const std::string victimBefore = readFile(victim);
  std::string info = readFile(package / "Info.xml");
  info.replace(info.find("<TDB>osmmap.tdb"), 15, "<TDB>../../../../../victim.tdb");
  writeFile(package / "Info.xml", info);
  ASSERT_TRUE(fs::exists(package / "Product3" / "../../../../../victim.tdb"));
  ui::fMain& main = program.start().main;
  program.dialogs.clear();
  ASSERT_TRUE(click(main.CommandMapnameAendern));
  expectMessage(damagedInfoXmlText(pathOf(package / "Info.xml")));
  EXPECT_TRUE(main.gmapCatalogue().rows.empty());
  EXPECT_EQ(readFile(victim), victimBefore);
}

}  // namespace
}  // namespace mapsetdesk::testing
