// The window for an existing TDB and overview, driven as a person drives it
// over mkgmap's mapset: its texts and choosers, reading the TDB, the field
// checks, and the registration with its file patches.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/Registration.h"
#include "formats/ByteReader.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "install/ExistingTdb.h"
#include "platform/RegistryOps.h"
#include "support/ExistingMapsetFiles.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const TdbVorhandenTexts& german() {
  static const TdbVorhandenTexts texts = tdbVorhandenTexts(Sprache::Deutsch);
  return texts;
}
const std::string& catalogueText(const char* key) {
  return catalogueTexts(Sprache::Deutsch).messages.find(key)->second;
}

class TdbVorhandenWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
    program.storeSetting("Wow64", "falsch");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::FormTDBvorhanden& open() {
    auto& windows = program.start();
    windows.main.openTdbVorhanden();
    EXPECT_TRUE(windows.tdbVorhanden.visible());
    return windows.tdbVorhanden;
  }
  // Tile folder and overview first, then the TDB, whose reading fills the
  // name and the IDs.
  void fill(ui::FormTDBvorhanden& window, const ExistingFiles& mapset) {
    ASSERT_TRUE(type(window.TextPfadLoc, mapset.tiles));
    ASSERT_TRUE(type(window.TextPfadPreview, mapset.overview));
    ASSERT_TRUE(type(window.TextPfadTDB, mapset.tdb));
  }
  void expectSaid(const std::string& text, Buttons buttons = Buttons::Ok) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, buttons);
  }
  std::string hklm(const std::string& key, const std::string& name) {
    return fRegAbfrageWert(program.memory, Root::LocalMachine, key, name);
  }

  ProgramHarness program;
  ExistingMapsetFiles files;
};

TEST_F(TdbVorhandenWindow, GermanAndEnglishTextsLabelsAndChoosers) {
  auto& window = open();
  EXPECT_EQ(window.caption, "Vorhandene TDB + Preview registrieren");
  EXPECT_EQ(window.LabelPfadLoc.caption, german().labelLoc);
  EXPECT_EQ(window.LabelPfadTDB.caption, "Pfad zum TDB-File");
  EXPECT_EQ(window.Commandregistriere.caption, "registriere das Mapset");
  EXPECT_FALSE(window.Commandregistriere.enabled);
  EXPECT_FALSE(window.Commandgmapsatz.enabled);

  const std::string tiles = pathOf(program.folder / "");
  ASSERT_TRUE(type(window.TextPfadLoc, tiles));
  program.dialogs.folder(std::nullopt);
  ASSERT_TRUE(click(window.CommandPfadLoc));
  for (ui::Button* chooser : {&window.CommandPfadTDB, &window.CommandPfadPreview,
                              &window.CommandPfadTyp, &window.CommandIndexFile,
                              &window.CommandMdr, &window.CommandPfadTrf}) {
    program.dialogs.file(std::nullopt);
    ASSERT_TRUE(click(*chooser));
  }
  const auto& calls = program.dialogs.choosers();
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[0].kind, ChooserCall::Folder);
  EXPECT_EQ(calls[0].title, "Pfad mit den Dateilkacheln(img) auswaehlen");
  const std::pair<std::string, std::string> expected[] = {
      {"TDB-File auswählen", "TDB-Files|*.TDB"},
      {"Preview-File auswählen", "Preview-Files|*.IMG"},
      {"Type-File auswählen", "Type-Files|*.Typ"},
      {"MDX-Indexfile auswaehlen", "Index-Files|*.mdx"},
      {"MDR-Indexfile auswaehlen", "Index-Files|*_mdr.img;MDR*.IMG"},
      {"Traffic-File auswählen", "traffic-files|*.trf"},
  };
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(calls[i + 1].title, expected[i].first);
    EXPECT_EQ(calls[i + 1].filter, expected[i].second);
    EXPECT_EQ(calls[i + 1].startFolder, tiles) << "the file choosers start in the tile folder";
  }

  window.unload();
  program.storeSetting("Language", "Eng");
  program.windows().main.openTdbVorhanden();
  EXPECT_EQ(window.caption, "register existing tdb+preview (mapset)");
  EXPECT_EQ(window.LabelPfadLoc.caption, "path to maptiles(detail-img's)");
  EXPECT_EQ(window.LabelPfadPreview.caption, "path to preview-img");
  EXPECT_EQ(window.LabelPfadTyp.caption, "optional : path to typefile");
  EXPECT_EQ(window.Commandregistriere.caption, "register mapset");
}

TEST_F(TdbVorhandenWindow, ReadsNameAndIdsAndKeepsTheBusyFlagWhileOpen) {
  const ExistingFiles mapset = files.make(program.folder / "harz", "Harz Süd", 4711, 3);
  auto& window = open();
  EXPECT_TRUE(window.vWarten);
  fill(window, mapset);
  EXPECT_EQ(window.Text1.text(), "Harz_SUd") << "the name, not the 40-byte key basis";
  EXPECT_EQ(window.keyBasis().substr(0, 10), "Harz_S\xC3\xBC" "d_");
  EXPECT_EQ(window.TextID.text(), "4711");
  EXPECT_EQ(window.TextPID.text(), "3");
  EXPECT_EQ(window.Commandgmapsatz.caption, "create Harz_SUd.gmap installation");
  EXPECT_TRUE(window.Commandregistriere.usable());
  EXPECT_TRUE(window.Commandgmapsatz.usable());
  window.unload();
  EXPECT_FALSE(window.vWarten);
}

// Reading the TDB only shows the settled IDs; the registration writes them,
// with a valid checksum, so a window closed unused leaves the file as it was.
TEST_F(TdbVorhandenWindow, AnEmptyIdFieldIsSettledInTheFieldsAndWrittenOnlyByTheRegistration) {
  struct Case {
    const char* name;
    std::uint16_t fid, pid;
    const char* shownFid;
  };
  for (const Case& each : {Case{"Harz", 0, 5, "5"}, Case{"Eifel", 300, 0, "300"}}) {
    const ExistingFiles mapset =
        files.make(program.folder / each.name, each.name, each.fid, each.pid);
    const std::string before = readFile(filePath(mapset.tdb));
    auto& window = open();
    fill(window, mapset);
    EXPECT_EQ(window.TextID.text(), each.shownFid);
    EXPECT_EQ(window.TextPID.text(), "1");
    EXPECT_EQ(readFile(filePath(mapset.tdb)), before) << "reading changed the TDB";
    ASSERT_TRUE(click(window.Commandregistriere));
    expectSaid(catalogueText("Satz25") + mapset.tdb + "-BAK");
    expectSaid(german().finished);
    const TdbHeaderRead header = readTdbHeader(mapset.tdb);
    EXPECT_EQ(header.header.fid, idValue(each.shownFid));
    EXPECT_EQ(header.header.pid, 1);
    EXPECT_TRUE(files.checksumHolds(mapset.tdb));
    window.unload();
  }
}

TEST_F(TdbVorhandenWindow, NameReplacements) {
  auto& window = open();
  ASSERT_TRUE(type(window.Text1, "Wörth/Süd"));
  EXPECT_EQ(window.Text1.text(), "WOrth_SUd");
  EXPECT_EQ(window.Commandgmapsatz.caption, "create WOrth_SUd.gmap installation");
  window.TextID.setText("x");
  window.Commandregistriere_Click();
  expectSaid(kWrongId);
}

TEST_F(TdbVorhandenWindow, TheActionsOpenOnlyWhileEveryFieldPassesItsCheck) {
  const ExistingFiles mapset = files.make(program.folder / "harz", "Harz", 4711, 3);
  auto& window = open();
  const auto expectActions = [&window](bool enabled) {
    EXPECT_EQ(window.Commandregistriere.enabled, enabled);
    EXPECT_EQ(window.Commandgmapsatz.enabled, enabled);
  };
  ASSERT_TRUE(type(window.TextID, "1234"));
  expectActions(false);
  fill(window, mapset);
  expectActions(true);
  ASSERT_TRUE(type(window.TextID, "12a"));
  expectActions(false);
  ASSERT_TRUE(type(window.TextID, "1234"));
  expectActions(true);

  const std::string folder = pathOf(program.folder / "harz" / "");
  for (ui::TextBox* field : {&window.TextPfadTyp, &window.TextIndexFile, &window.TextMdr,
                             &window.TextPfadTrf}) {
    SCOPED_TRACE(field->name());
    ASSERT_TRUE(type(*field, folder + "fehlt.typ"));
    expectActions(false);
    ASSERT_TRUE(type(*field, ""));
    expectActions(true);
  }
  ASSERT_TRUE(type(window.TextPfadPreview, folder + "osmmap.txt"));
  expectActions(false);
  ASSERT_TRUE(type(window.TextPfadPreview, mapset.overview));
  ASSERT_TRUE(type(window.TextPfadLoc, folder + "fehlt"));
  expectActions(false);
}

TEST_F(TdbVorhandenWindow, EachFileFieldIsCheckedInOrder) {
  const ExistingFiles mapset = files.make(program.folder / "harz", "Harz", 4711, 3);
  auto& window = open();
  const std::string folder = pathOf(program.folder / "harz" / "");
  struct Case {
    ui::TextBox* field;
    std::string invalid;
    std::string extension;
  };
  const Case cases[] = {
      {&window.TextPfadTDB, german().tdbInvalid, "tdb"},
      {&window.TextPfadPreview, german().previewInvalid, "img"},
      {&window.TextPfadTyp, german().typInvalid, "typ"},
      {&window.TextIndexFile, german().indexInvalid, "mdx"},
      {&window.TextMdr, german().mdrInvalid, "img"},
      {&window.TextPfadTrf, german().trfInvalid, "trf"},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.field->name());
    ASSERT_TRUE(type(*each.field, "karte." + each.extension));
    EXPECT_TRUE(leave(*each.field));
    expectSaid(each.invalid);
    ASSERT_TRUE(type(*each.field, folder + "karte.txt"));
    EXPECT_TRUE(leave(*each.field));
    expectSaid(each.invalid);
    ASSERT_TRUE(type(*each.field, folder + "fehlt." + each.extension));
    EXPECT_TRUE(leave(*each.field));
    expectSaid(german().fileMissing);
    window.Commandgmapsatz.enabled = true;
    ASSERT_TRUE(type(*each.field, folder + "Süd." + each.extension));
    EXPECT_TRUE(leave(*each.field));
    expectSaid(catalogueText("Satzumlaut"));
    EXPECT_EQ(each.field->text(), "");
    EXPECT_FALSE(window.Commandgmapsatz.enabled);
    ASSERT_TRUE(type(*each.field, ""));
    EXPECT_TRUE(leave(*each.field)) << "an empty field is a file not given";
  }
  ASSERT_TRUE(type(window.TextPfadTDB, mapset.tdb));
  EXPECT_TRUE(leave(window.TextPfadTDB));
}

TEST_F(TdbVorhandenWindow, MdrFromADeviceImageIsClearedOnYes) {
  const ExistingFiles mapset =
      files.make(program.folder / "harz", "Harz", 4711, 3, {.mdr = true});
  auto& window = open();
  window.mapsFromGmapsupp = true;
  ASSERT_TRUE(type(window.TextMdr, mapset.mdr));
  program.dialogs.answer(Answer::No);
  EXPECT_TRUE(leave(window.TextMdr));
  expectSaid(german().mdrFromGmapsupp, Buttons::YesNo);
  EXPECT_EQ(window.TextMdr.text(), mapset.mdr);
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(focus(window.TextMdr));
  EXPECT_TRUE(leave(window.TextMdr));
  expectSaid(german().mdrFromGmapsupp, Buttons::YesNo);
  EXPECT_EQ(window.TextMdr.text(), "");
}

TEST_F(TdbVorhandenWindow, LeavingTheTileFolderStoresLastDirWhereTheFolderChooserStarts) {
  auto& window = open();
  ASSERT_TRUE(type(window.TextPfadLoc, "C:\\Karten\\Harz"));
  ASSERT_TRUE(leave(window.TextPfadLoc));
  EXPECT_EQ(program.setting("LastDir"), "C:\\Karten\\Harz");
  program.dialogs.folder(std::nullopt);
  ASSERT_TRUE(click(window.CommandPfadLoc));
  ASSERT_EQ(program.dialogs.choosers().size(), 1u);
  EXPECT_EQ(program.dialogs.choosers()[0].startFolder, "C:\\Karten\\Harz");
}

TEST_F(TdbVorhandenWindow, RegistersUnderTheKeyFromTheNameArea) {
  const ExistingFiles mapset =
      files.make(program.folder / "topo", "Topo Deutschland", 1234, 1, {.typ = true,
                                                                      .index = true,
                                                                      .mdr = true,
                                                                      .trf = true});
  auto& window = open();
  fill(window, mapset);
  ASSERT_TRUE(type(window.TextPfadTyp, mapset.typ));
  ASSERT_TRUE(type(window.TextIndexFile, mapset.index));
  ASSERT_TRUE(type(window.TextMdr, mapset.mdr));
  ASSERT_TRUE(type(window.TextPfadTrf, mapset.trf));
  ASSERT_TRUE(click(window.Commandregistriere));
  expectSaid(catalogueText("Satz25") + mapset.tdb + "-BAK");
  expectSaid(german().finished);

  const std::string family = "SOFTWARE\\Garmin\\MapSource\\Families\\Topo_Deutsch1234";
  EXPECT_EQ(hklm(family + "\\1", "Loc"), mapset.tiles);
  EXPECT_EQ(hklm(family + "\\1", "Bmap"), mapset.overview);
  EXPECT_EQ(hklm(family + "\\1", "TDB"), mapset.tdb);
  EXPECT_EQ(hklm(family, "IDX"), mapset.index);
  EXPECT_EQ(hklm(family, "MDR"), mapset.mdr);
  EXPECT_EQ(hklm(family, "trf"), mapset.trf);
  const auto id = program.memory.queryValue(Root::LocalMachine, family, "ID");
  ASSERT_TRUE(id);
  EXPECT_EQ(id->data, std::string("\xD2\x04", 2)) << "FID 1234, low byte first";
  const std::string typCopy = pathOf(program.folder / "topo" / "2104.Typ");
  EXPECT_EQ(hklm(family, "Typ"), typCopy);
  EXPECT_EQ(readTypFid(readFile(typCopy)), 1234);
  EXPECT_EQ(readTypFid(readFile(mapset.typ)), 4711) << "the chosen TYP file stays as it was";

  EXPECT_EQ(readTdbHeader(mapset.tdb).header.name, "Topo_Deutschland");
  EXPECT_TRUE(files.checksumHolds(mapset.tdb));
  EXPECT_EQ(window.TextPfadLoc.text(), "");
  EXPECT_EQ(window.TextID.text(), "");
  const auto& rows = program.windows().main.registryCatalogue().rows;
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].entry.subkeyPath, "Topo_Deutsch1234\\1");
}

TEST_F(TdbVorhandenWindow, IndexFileGetsTheFidInEveryRecordAndNothingElse) {
  const ExistingFiles mapset = files.make(program.folder / "harz", "Harz", 4711, 3,
                                          {.index = true, .indexRecords = 3});
  const std::string before = readFile(mapset.index);
  auto& window = open();
  fill(window, mapset);
  ASSERT_TRUE(type(window.TextIndexFile, mapset.index));
  ASSERT_TRUE(type(window.TextID, "1234"));
  ASSERT_TRUE(click(window.Commandregistriere));
  program.dialogs.take();
  expectSaid(german().finished);
  const std::string after = readFile(mapset.index);
  ASSERT_EQ(after.size(), before.size());
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < after.size(); ++i)
    if (after[i] != before[i]) changed.push_back(i);
  EXPECT_EQ(changed, (std::vector<std::size_t>{20, 21, 32, 33, 44, 45}));
  EXPECT_EQ(static_cast<unsigned char>(after[20]), 0xD2);
  EXPECT_EQ(static_cast<unsigned char>(after[21]), 0x04);
}

TEST_F(TdbVorhandenWindow, TypCopyNeverReplacesAnotherMapsetsTyp) {
  const ExistingFiles mapset =
      files.make(program.folder / "harz", "Harz", 1234, 1, {.typ = true});
  const std::string other = pathOf(program.folder / "harz" / "2104.Typ");
  writeFile(other, "another mapset's style");
  const ExistingFiles owner = files.make(program.folder / "alt", "Alt", 1234, 1);
  registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Altoooo1234",
                        1234, "1", {owner.tdb, owner.overview, owner.tiles}, other);
  const std::string tdbBefore = readFile(mapset.tdb);
  auto& window = open();
  fill(window, mapset);
  ASSERT_TRUE(type(window.TextPfadTyp, mapset.typ));
  ASSERT_TRUE(click(window.Commandregistriere));
  expectSaid(german().typClash + other);
  EXPECT_EQ(readFile(other), "another mapset's style");
  EXPECT_EQ(readFile(mapset.tdb), tdbBefore);
  EXPECT_EQ(fSubkeysListen(program.memory, Root::LocalMachine,
                           "SOFTWARE\\Garmin\\MapSource\\Families"),
            std::vector<std::string>{"Altoooo1234"});
  EXPECT_TRUE(window.Commandregistriere.enabled) << "the person may choose another FID";
}

}  // namespace
}  // namespace mapsetdesk::testing
