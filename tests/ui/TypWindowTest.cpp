// The main window's TYP assignment, driven as a person drives it, over real
// mapset files and mkgmap's TYP file: registrations below Families and
// Products, a gmap package, removals and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/messages/EditTexts.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/Registration.h"
#include "edit/EditMessages.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "platform/Codec.h"
#include "platform/RegistryOps.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBase = "SOFTWARE";
using ListBox = ui::ListBox;

const std::string kFamilies = "SOFTWARE\\Garmin\\MapSource\\Families\\";

class TypWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    fs::create_directories(styles());
    fs::copy_file(mapsets.root() / "typ" / "harz-typ.typ", styles() / "harz-typ.typ");
    fs::copy_file(mapsets.root() / "typ" / "harz-typ.typ", styles() / "kurz.typ");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  fs::path styles() const { return program.folder / "Stile"; }
  fs::path karten() const { return program.folder / "Karten"; }
  std::string pickedTyp() const { return pathOf(styles() / "harz-typ.typ"); }
  MapsetFiles family(const std::string& name, std::uint16_t fid, const std::string& typ = {}) {
    const MapsetFiles files = mapsets.make(karten(), name, name, fid, 1);
    registerFamilyProduct(program.memory, kBase, RegistrationRoot::Families,
                          name + std::to_string(fid), fid, "1", files, typ);
    return files;
  }
  std::string value(const std::string& key, const std::string& name) {
    return fRegAbfrageWert(program.memory, Root::LocalMachine, key, name);
  }
  std::string idBytes(const std::string& key) {
    const auto id = program.memory.queryValue(Root::LocalMachine, key, "ID");
    return id ? id->data : std::string();
  }
  const MessageCatalogue& texts() { return program.session->texts; }
  EditTexts edit() { return editTexts(german() ? Sprache::Deutsch : Sprache::English); }
  bool german() { return texts().sprache() != Sprache::English; }
  void expectMessage(const std::string& text, Icon icon = Icon::None,
                     Buttons buttons = Buttons::Ok) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, buttons);
    EXPECT_EQ(shown.icon, icon);
  }

  // The TYP mode, the row double-clicked, the TYP file chosen (or the
  // chooser switched off), the action button.
  void act(ListBox& list, int row, bool withTyp) {
    ui::fMain& main = program.main();
    ASSERT_TRUE(click(main.CommandTypeaendern));
    ASSERT_TRUE(dblClick(list, row));
    if (withTyp) {
      ASSERT_TRUE(choose(main.DirTypefile, pathOf(styles())));
      ASSERT_EQ(main.FileTypefile.items(), std::vector<std::string>{"harz-typ.typ"})
          << "only eight-character names are offered";
      ASSERT_TRUE(click(main.FileTypefile, 0));
    } else {
      ASSERT_TRUE(click(main.CheckTypfile));
    }
    ASSERT_TRUE(click(main.CommandDoIt));
  }
  static std::uint16_t typFid(const std::string& path) {
    return readTypFid(readFile(filePath(path))).value_or(0);
  }

  ProgramHarness program;
  RealMapsets mapsets;
};

TEST_F(TypWindow, AFamilyGetsACopyWithItsFidAndThePickedTwiceKeepsTheFirstAsBak) {
  const MapsetFiles files = family("Alpen", 1234);
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(texts().text(key::Satz22));
  const std::string copy = pathOf(karten() / "2104.TYP");
  EXPECT_EQ(typFid(copy), 1234);
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), copy);
  EXPECT_EQ(idBytes(kFamilies + "Alpen1234"), std::string("\xD2\x04", 2));
  EXPECT_EQ(main.ListTypefile.items(), std::vector<std::string>{copy});
  EXPECT_EQ(main.CommandTypeaendern.backColor, ui::kButtonColour);

  act(main.ListMapsetName, 0, true);
  expectMessage(kOldTypSaved + copy + ".bak");
  expectMessage(texts().text(key::Satz22));
  EXPECT_TRUE(fs::exists(filePath(copy + ".bak")));
  EXPECT_EQ(typFid(copy), 1234);
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), copy);
}

TEST_F(TypWindow, TheSameFileAsTheCurrentTypIsRefused) {
  family("Alpen", 1234, pickedTyp());
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(texts().text(key::Fehler31));
  EXPECT_FALSE(fs::exists(karten() / "2104.TYP"));
}

TEST_F(TypWindow, ACopyThatWouldReplaceAnotherMapsetsTypIsRefusedBeforeAnyChange) {
  const std::string other = pathOf(karten() / "2104.TYP");
  family("Alpen", 1234, other);
  writeFile(filePath(other), "die andere Kopie");
  family("Zweite", 26626);  // low byte 2, high byte 104: the same name
  ui::fMain& main = program.start().main;
  ASSERT_TRUE(click(main.CommandTypeaendern));
  ASSERT_EQ(main.registryCatalogue().rows.size(), 2u);
  const int row = main.registryCatalogue().rows[0].entry.fid == 26626 ? 0 : 1;
  act(main.ListMapsetName, row, true);
  expectMessage(typClashText(german(), other), Icon::Exclamation);
  EXPECT_EQ(readFile(filePath(other)), "die andere Kopie");
  EXPECT_EQ(value(kFamilies + "Zweite26626", "TYP"), "");
}

TEST_F(TypWindow, ARegistrationWithoutATdbValueNamesItsKeyAndChangesNothing) {
  family("Alpen", 1234);
  fWerteLoeschen(program.memory, Root::LocalMachine, kFamilies + "Alpen1234\\1", "TDB");
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(texts().text(key::Fehler25) + kFamilies + "Alpen1234", Icon::Exclamation);
  EXPECT_FALSE(fs::exists(karten() / "2104.TYP"));
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), "");
}

TEST_F(TypWindow, ADamagedTdbStopsBeforeAnyChange) {
  const MapsetFiles files = family("Alpen", 1234);
  writeFile(filePath(files.tdb), "keine TDB");
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(edit().tdbUnusable + files.tdb, Icon::Exclamation);
  EXPECT_FALSE(fs::exists(karten() / "2104.TYP"));
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), "");
  EXPECT_EQ(readFile(filePath(files.tdb)), "keine TDB");
}

// An IMG renamed .typ, a cut file and none at all: said so before anything.
TEST_F(TypWindow, AFileThatIsNoTypIsRefusedBeforeAnyChange) {
  const MapsetFiles files = family("Alpen", 1234);
  const std::string tdbBefore = readFile(filePath(files.tdb));
  const std::string typ = readFile(styles() / "harz-typ.typ");
  ui::fMain& main = program.start().main;
  for (const std::string& content :
       {readFile(mapsets.root() / "mapset" / "63240001.img"), typ.substr(0, 20),
        typ.substr(0, 0x30)}) {
    writeFile(styles() / "harz-typ.typ", content);
    act(main.ListMapsetName, 0, true);
    expectMessage(edit().notATyp + pickedTyp(), Icon::Exclamation);
    EXPECT_FALSE(fs::exists(karten() / "2104.TYP"));
    EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), "");
    EXPECT_EQ(readFile(filePath(files.tdb)), tdbBefore);
  }
}

TEST_F(TypWindow, ACopyThatCannotBeWrittenPutsBackTheOldTypAndItsBak) {
  const std::string old = pathOf(karten() / "alt.typ");
  family("Alpen", 1234, old);
  writeFile(filePath(old), "alt");
  writeFile(filePath(old + ".bak"), "noch älter");
  // The copy is written beside its place first; a folder there stops it.
  fs::create_directory(karten() / "2104.TYP.mapsetdesk-new");
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(kCloseMapsourceFirst, Icon::Critical);
  expectMessage(edit().undone + pathOf(karten() / "2104.TYP"), Icon::Exclamation);
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), old);
  EXPECT_EQ(readFile(filePath(old)), "alt");
  EXPECT_EQ(readFile(filePath(old + ".bak")), "noch älter");
  EXPECT_FALSE(fs::exists(karten() / "2104.TYP"));
  EXPECT_FALSE(main.lastEditCompleted());

  fs::remove(karten() / "2104.TYP.mapsetdesk-new");
  act(main.ListMapsetName, 0, true);
  expectMessage(kOldTypSaved + old + ".bak");
  expectMessage(texts().text(key::Satz22));
  EXPECT_FALSE(fs::exists(filePath(old))) << "the old TYP lives on as its backup only";
  EXPECT_EQ(readFile(filePath(old + ".bak")), "alt");
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), pathOf(karten() / "2104.TYP"));
}

TEST_F(TypWindow, AProductsRegistrationBecomesAFamilyWithPidAsFidAndAValidChecksum) {
  const MapsetFiles files = mapsets.make(karten(), "alt", "Altkarte", 0, 77);
  registerProductsEntry(program.memory, kBase, "Altkarte", files);
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(texts().text(key::Satz22));
  const TdbHeader header = readTdbHeader(files.tdb).header;
  EXPECT_EQ(header.fid, 77);
  EXPECT_EQ(header.pid, 1);
  EXPECT_EQ(checkTdbChecksum(readFile(filePath(files.tdb))).state, TdbChecksumState::Ok);
  const std::string copy = pathOf(karten() / "770.TYP");
  EXPECT_EQ(typFid(copy), 77);
  const std::string key = kFamilies + "Altkarte";
  EXPECT_EQ(idBytes(key), std::string("\x4D\x00", 2)) << "FID 77, low byte first";
  EXPECT_EQ(value(key, "TYP"), copy);
  EXPECT_EQ(value(key + "\\1", "TDB"), files.tdb);
  EXPECT_EQ(value(key + "\\1", "Bmap"), files.overview);
  EXPECT_EQ(value(key + "\\1", "Loc"), files.tiles);
  EXPECT_FALSE(program.memory.canOpen(Root::LocalMachine,
                                      "SOFTWARE\\Garmin\\MapSource\\Products\\Altkarte"));
  ASSERT_EQ(main.ListProdFam.items(), std::vector<std::string>{"Families"});
}

TEST_F(TypWindow, RemovingAFamilyTypAsksThenKeepsTheFileAsBak) {
  const std::string typ = pathOf(karten() / "2104.TYP");
  family("Alpen", 1234, typ);
  writeFile(filePath(typ), "typ");
  program.dialogs.answer(Answer::Yes);
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, false);
  expectMessage(texts().text(key::Fehler16), Icon::None, Buttons::YesNo);
  expectMessage(texts().text(key::Fehler27));
  EXPECT_FALSE(fs::exists(filePath(typ)));
  EXPECT_EQ(readFile(filePath(typ + ".bak")), "typ");
  EXPECT_EQ(value(kFamilies + "Alpen1234", "TYP"), "");
}

TEST_F(TypWindow, APackageGetsItsCopyInInfoXmlAndLosesItOnRemoval) {
  const fs::path package =
      mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps", "Harz Familie");
  const std::string infoBefore = readFile(package / "Info.xml");
  ui::fMain& main = program.start().main;
  act(main.ListMapsetGMP, 0, true);
  expectMessage(texts().text(key::Satz22));
  EXPECT_EQ(typFid(pathOf(package / "4711.Typ")), 4711);
  const std::string info = readFile(package / "Info.xml");
  const auto typ = info.find("<TYP>4711.Typ</TYP>\n<SubProduct>");
  EXPECT_NE(typ, std::string::npos) << info;
  EXPECT_EQ(info.find("<SubProduct>"), typ + 20) << "before the first SubProduct";

  program.dialogs.answer(Answer::Yes);
  act(main.ListMapsetGMP, 0, false);
  expectMessage(texts().text(key::Fehler16), Icon::None, Buttons::YesNo);
  expectMessage(texts().text(key::Satz22));
  EXPECT_EQ(readFile(package / "Info.xml").find("<TYP>"), std::string::npos);
  EXPECT_TRUE(fs::exists(package / "4711.Typ")) << "the TYP file stays";
}

TEST_F(TypWindow, AnInfoXmlThatCannotBeReadStopsBeforeTheCopyIsMade) {
  const fs::path package =
      mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps", "Harz Familie");
  ui::fMain& main = program.start().main;
  ASSERT_TRUE(click(main.CommandTypeaendern));
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  ASSERT_TRUE(choose(main.DirTypefile, pathOf(styles())));
  ASSERT_TRUE(click(main.FileTypefile, 0));
  fs::remove(package / "Info.xml");
  fs::create_directory(package / "Info.xml");
  ASSERT_TRUE(click(main.CommandDoIt));
  expectMessage(infoXmlFailedText(german(), pathOf(package / "Info.xml")), Icon::Exclamation);
  program.dialogs.clear();  // the refreshed gmap list tells of the damaged package
  EXPECT_FALSE(fs::exists(package / "4711.Typ"));
  EXPECT_FALSE(main.lastEditCompleted());
}

TEST_F(TypWindow, AnInfoV2ThatCannotBeWrittenPutsBackTheCopyAndInfoXml) {
  const fs::path package =
      mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps", "Harz Familie");
  const std::string info = readFile(package / "Info.xml");
  writeFile(package / "Info_v2.xml", "<Files>\n</Files>\n");
  writeFile(package / "4711.Typ", "eine alte Kopie");
  fs::create_directory(package / "Info_v2.xml.mapsetdesk-new");
  ui::fMain& main = program.start().main;
  act(main.ListMapsetGMP, 0, true);
  expectMessage(kCloseMapsourceFirst, Icon::Critical);
  expectMessage(edit().undone + pathOf(package / "Info_v2.xml"), Icon::Exclamation);
  EXPECT_EQ(readFile(package / "Info.xml"), info);
  EXPECT_EQ(readFile(package / "4711.Typ"), "eine alte Kopie");
  EXPECT_EQ(readFile(package / "Info_v2.xml"), "<Files>\n</Files>\n");
  EXPECT_FALSE(main.lastEditCompleted());
}

// The family key a Products registration would move to is another mapset's.
TEST_F(TypWindow, AProductsRegistrationIsNotMovedOntoAnotherMapsetsFamilyKey) {
  const MapsetFiles files = mapsets.make(karten(), "alt", "Altkarte", 0, 77);
  registerProductsEntry(program.memory, kBase, "Altkarte", files);
  const MapsetFiles other = mapsets.make(karten() / "andere", "andere", "Andere", 555, 1);
  registerFamilyProduct(program.memory, kBase, RegistrationRoot::Families, "Altkarte", 555, "1",
                        other);
  const std::string tdbBefore = readFile(filePath(files.tdb));
  ui::fMain& main = program.start().main;
  ASSERT_TRUE(click(main.CommandTypeaendern));
  const auto& rows = main.registryCatalogue().rows;
  const auto products = std::find_if(rows.begin(), rows.end(), [](const CatalogueRow& row) {
    return row.entry.root == RegistrationRoot::Products;
  });
  ASSERT_NE(products, rows.end());
  act(main.ListMapsetName, static_cast<int>(products - rows.begin()), true);
  expectMessage(edit().familyTaken + kFamilies + "Altkarte", Icon::Exclamation);
  EXPECT_EQ(value(kFamilies + "Altkarte\\1", "TDB"), other.tdb);
  EXPECT_EQ(idBytes(kFamilies + "Altkarte"), std::string("\x2B\x02", 2));
  EXPECT_EQ(readFile(filePath(files.tdb)), tdbBefore);
  EXPECT_TRUE(program.memory.canOpen(Root::LocalMachine,
                                     "SOFTWARE\\Garmin\\MapSource\\Products\\Altkarte"));
}

TEST_F(TypWindow, AProductsRegistrationWithItsOwnFidKeepsItsPidAsProductKey) {
  const MapsetFiles files = mapsets.make(karten(), "alt", "Altkarte", 600, 7);
  registerProductsEntry(program.memory, kBase, "Altkarte", files);
  ui::fMain& main = program.start().main;
  act(main.ListMapsetName, 0, true);
  expectMessage(texts().text(key::Satz22));
  const TdbHeader header = readTdbHeader(files.tdb).header;
  EXPECT_EQ(header.fid, 600);
  EXPECT_EQ(header.pid, 7);
  EXPECT_EQ(value(kFamilies + "Altkarte\\7", "TDB"), files.tdb);
  EXPECT_FALSE(program.memory.canOpen(Root::LocalMachine, kFamilies + "Altkarte\\1"));
}

}  // namespace
}  // namespace mapsetdesk::testing
