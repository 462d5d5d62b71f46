// The tile selection of the main window, driven as a person drives it, over
// copies of real tiles: what enters List1, what is refused with which
// message, and the name and FID of the new mapset.
#include <algorithm>

#include "app/messages/IdTexts.h"
#include "app/messages/InputFileTexts.h"
#include "catalogue/Registration.h"
#include "platform/Codec.h"
#include "ui/TileInstallFixture.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class TileSelectionWindow : public TileInstallFixture {};

TEST_F(TileSelectionWindow, APlaceholderStandsForTheEmptySelectionAndATileReplacesIt) {
  ui::fMain& main = startSelection();
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{text("Fehler28")});
  EXPECT_FALSE(main.Command1.enabled);
  ASSERT_TRUE(pick(main, "63240002.img"));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{tile("63240002.img")});
  EXPECT_TRUE(main.Command1.enabled);
  EXPECT_EQ(program.setting("Dir"), pathText(karten()));
}

TEST_F(TileSelectionWindow, TheSameTileTwiceIsRefusedAndStaysOnce) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(pick(main, "63240001.img"));
  ASSERT_TRUE(pick(main, "63240001.img"));
  expectMessage(text("Fehler12"), "QUIRANEL");
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{tile("63240001.img")});
}

TEST_F(TileSelectionWindow, ANonNumericStemAndADottedDeviceImageFolderAreRefused) {
  writeFile(karten() / "1234567a.img", "x");
  fs::create_directories(karten() / "maps.old");
  fs::copy_file(mapsets.root() / "mapset" / "gmapsupp.img", karten() / "maps.old" / "gmapsupp.img");
  ui::fMain& main = startSelection();
  ASSERT_TRUE(pick(main, "1234567a.img"));
  expectMessage(text("Fehler23"), "ZORVAN");
  ASSERT_TRUE(choose(main.Dir1, pathText(karten() / "maps.old")));
  ASSERT_TRUE(pick(main, "gmapsupp.img"));
  expectMessage(text("Fehler37"), "ZORVAN");
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{text("Fehler28")});
  EXPECT_FALSE(main.Command1.enabled);
}

TEST_F(TileSelectionWindow, ADropOfAMixKeepsOnlyTheDeviceImageAndThenTakesNothing) {
  fs::copy_file(mapsets.root() / "mapset" / "gmapsupp.img", karten() / "gmapsupp.img");
  writeFile(karten() / "notes.txt", "x");
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img"), tile("notes.txt"), tile("gmapsupp.img")}));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{tile("gmapsupp.img")});
  EXPECT_TRUE(main.selection().vgmapsupp());
  EXPECT_TRUE(main.Command1.enabled);
  ASSERT_TRUE(drop(main.List1, {tile("63240002.img")}));
  ASSERT_TRUE(pick(main, "63240002.img"));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{tile("gmapsupp.img")});
}

TEST_F(TileSelectionWindow, ADroppedTileThatIsAFolderOrMissingIsNamedWhenTheSelectionIsFinished) {
  fs::create_directories(karten() / "63240009.img");
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img"), tile("63240009.img")}));
  ASSERT_TRUE(click(main.Command1));
  expectMessage(tileFaultText(Sprache::English, InputFault::NotAFile) + tile("63240009.img"),
                "ZORVAN");
  EXPECT_FALSE(main.Frame1.visible) << "the name and FID do not open";
  ASSERT_TRUE(click(main.List1, 1));
  ASSERT_TRUE(drop(main.List1, {tile("63240007.img")}));
  ASSERT_TRUE(click(main.Command1));
  expectMessage(tileFaultText(Sprache::English, InputFault::Missing) + tile("63240007.img"),
                "ZORVAN");
  EXPECT_EQ(main.List1.items(),
            (std::vector<std::string>{tile("63240001.img"), tile("63240007.img")}));
}

TEST_F(TileSelectionWindow, TilesInTheProgramFolderAreRefusedOnDrop) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(choose(main.Dir1, pathText(program.folder / "program")));
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  expectMessage(text("Satz27"), "ZORVAN");
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{text("Fehler28")});
}

TEST_F(TileSelectionWindow, RemovingTheLastEntryBringsThePlaceholderBack) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img"), tile("63240002.img")}));
  ASSERT_TRUE(click(main.List1, 0));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{tile("63240002.img")});
  EXPECT_TRUE(main.Command1.enabled);
  ASSERT_TRUE(click(main.List1, 0));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{text("Fehler28")});
  EXPECT_FALSE(main.Command1.enabled);
}

TEST_F(TileSelectionWindow, FinishingProposesTheFreeFidAndOpensNameAndFid) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  EXPECT_TRUE(main.Frame1.visible);
  EXPECT_FALSE(main.Label4.visible);
  EXPECT_FALSE(main.Dir1.enabled);
  EXPECT_FALSE(main.File1.enabled);
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  EXPECT_EQ(main.TextBoxID.text(), "10");
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo"));
  EXPECT_TRUE(main.CommandButtonPV.enabled);
}

TEST_F(TileSelectionWindow, ANameWithAnUmlautIsCutBeforeIt) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  ASSERT_TRUE(type(main.TextBoxMSName, "Karte S\xC3\xBC" "d"));
  ASSERT_TRUE(leave(main.TextBoxMSName));
  expectMessage(text("Satzumlaut"), "ZORVAN");
  EXPECT_EQ(main.TextBoxMSName.text(), "Karte S");
}

TEST_F(TileSelectionWindow, ARegisteredNameOrFidBlocksTheNextStepAPackageFidOnlyWarns) {
  const MapsetFiles files = mapsets.make(program.folder / "Alt", "Alt", "Topo", 12, 1);
  registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Topooooo12", 12,
                        "1", files);
  mapsets.copyPackage(allUsersMaps(), "Harz Familie");
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  EXPECT_EQ(main.TextBoxID.text(), "10");
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo"));
  ASSERT_TRUE(leave(main.TextBoxMSName));
  expectMessage(text("Fehler5"), "QUIRANEL");
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  EXPECT_FALSE(main.TextBoxID.enabled);

  ASSERT_TRUE(type(main.TextBoxMSName, "Neu"));
  ASSERT_TRUE(type(main.TextBoxID, "12"));
  ASSERT_TRUE(leave(main.TextBoxID));
  expectMessage(text("Fehler2"), "ZORVAN");
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  EXPECT_FALSE(main.TextBoxMSName.enabled);

  ASSERT_TRUE(type(main.TextBoxID, "4711"));
  ASSERT_TRUE(leave(main.TextBoxID));
  expectMessage(text("Fehler2"), "ZORVAN");
  EXPECT_TRUE(main.TextBoxMSName.enabled);
  ASSERT_TRUE(type(main.TextBoxMSName, "Neu Harz"));
  EXPECT_TRUE(main.CommandButtonPV.enabled);
}

TEST_F(TileSelectionWindow, AFidThatIsNoIdKeepsTheFieldAndSaysWhy) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  for (const auto& [typed, fault] : {std::pair{"65536", IdFault::TooBig}, {"0", IdFault::Zero},
                                     {"abc", IdFault::NotANumber}}) {
    ASSERT_TRUE(type(main.TextBoxID, typed));
    EXPECT_FALSE(leave(main.TextBoxID)) << typed;
    expectMessage(idFaultText(Sprache::English, IdKind::Fid, fault), "ZORVAN");
  }
  ASSERT_TRUE(type(main.TextBoxID, "65535"));
  EXPECT_TRUE(leave(main.TextBoxID));
}

TEST_F(TileSelectionWindow, BackEmptiesTheSelectionAndReopensTheFolder) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  ASSERT_TRUE(click(main.CommandAllesLoeschen));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{text("Fehler28")});
  EXPECT_TRUE(main.Dir1.enabled);
  EXPECT_TRUE(main.CommandHinzufuegen.enabled);
  EXPECT_FALSE(main.Frame1.visible);
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  ASSERT_TRUE(pick(main, "63240001.img"));
  EXPECT_EQ(main.List1.count(), 1);
}

TEST_F(TileSelectionWindow, TheFolderButtonAndTheFileListHintAreThere) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(mouseMove(main.File1));
  EXPECT_EQ(main.File1.toolTip, text("Tip2"));
  fs::create_directories(karten() / "Neu");
  program.dialogs.folder(pathText(karten() / "Neu"));
  ASSERT_TRUE(click(main.CommandFolder));
  ASSERT_EQ(program.dialogs.choosers().size(), 1u);
  EXPECT_EQ(program.dialogs.choosers()[0].title, "Ordner auswaehlen");
  EXPECT_EQ(main.Dir1.path(), pathText(karten() / "Neu"));
  EXPECT_EQ(program.setting("Dir"), pathText(karten() / "Neu"));
  EXPECT_TRUE(main.File1.items().empty());
}

TEST_F(TileSelectionWindow, TheTypPickerShowsTheTypFilesOfItsFolderTheFirstChosen) {
  const fs::path typs = program.folder / "Typen";
  fs::create_directories(typs);
  writeFile(typs / "b.typ", "b");
  writeFile(typs / "a.TYP", "a");
  writeFile(typs / "c.txt", "c");
  ui::fMain& main = program.start().main;
  main.CheckTypfile.setValue(true);
  ASSERT_TRUE(click(main.CommandHinzufuegen));
  EXPECT_TRUE(main.Drive2.visible);
  EXPECT_TRUE(main.FileTypefile.visible);
  ASSERT_TRUE(focus(main.Drive2));
  EXPECT_TRUE(program.dialogs.choosers().empty()) << "the drive box opens its own list";
  ASSERT_TRUE(choose(main.DirTypefile, pathText(typs)));
  EXPECT_EQ(main.FileTypefile.items(), (std::vector<std::string>{"a.TYP", "b.typ"}));
  EXPECT_EQ(main.FileTypefile.listIndex(), 0);
}

TEST_F(TileSelectionWindow, NextMapsetReturnsToAFreshSelection) {
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {tile("63240001.img")}));
  ASSERT_TRUE(click(main.Command1));
  ASSERT_TRUE(type(main.TextBoxMSName, "Topo"));
  main.Command2.enabled = true;  // as the end of an installation leaves it
  ASSERT_TRUE(click(main.Command2));
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{text("Fehler28")});
  EXPECT_EQ(main.TextBoxMSName.text(), "");
  EXPECT_TRUE(main.CommandAllesLoeschen.enabled);
  EXPECT_TRUE(main.Label4.visible);
  EXPECT_FALSE(main.Frame1.visible);
  EXPECT_TRUE(main.CommandHinzufuegen.enabled);
}

}  // namespace
}  // namespace mapsetdesk::testing
