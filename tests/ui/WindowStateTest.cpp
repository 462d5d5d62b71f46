// What the main window shows after each of its mode buttons and actions:
// the lists read afresh, the buttons of the mode that follows, the hint of
// the double-click the mode waits for, and no question about a row that is
// not there.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/DrawPriorityTexts.h"
#include "app/messages/MessageKeys.h"
#include "platform/FilePath.h"
#include "platform/Permissions.h"
#include "platform/RegistryOps.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kFamily[] = "SOFTWARE\\Garmin\\MapSource\\Families\\Topo1234";

class WindowState : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    topo = mapsets.make(program.folder / "Karten", "Topo", "Topo", 1234, 1);
    registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Topo1234",
                          1234, "1", topo);
    package = mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps",
                                  "Harz Familie");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  // The show/remove button; on Windows its first step asks SetACL for the
  // rights on the Garmin key, which the test's program folder lacks.
  ui::fMain& showAndRemove() {
    ui::fMain& main = program.windows().main;
    EXPECT_TRUE(click(main.CommandKartenentfernen));
    if (grantsRights()) {
      EXPECT_EQ(program.dialogs.take().text, kSetAclMissing);
    }
    return main;
  }
  const std::string& text(std::string_view key) { return program.session->texts.text(key); }
  void expectHint(ui::fMain& main, std::string_view key) {
    EXPECT_TRUE(main.LabelHinweis.shown()) << key;
    EXPECT_EQ(main.LabelHinweis.caption, text(key));
    EXPECT_EQ(main.ListMapsetName.toolTip, text(key));
  }
  void expectSaid(const std::string& said, const std::string& title, Buttons buttons,
                  Icon icon) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, said);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.buttons, buttons);
    EXPECT_EQ(shown.icon, icon);
  }
  static const char* packageRow() { return "gmap; Harzkarte Süd; FID:4711;PID:3"; }
  // After an action the window is back in a view where every mode button can
  // start its mode and nothing of the action's mode is left showing.
  void expectEveryModeButtonUsable(ui::fMain& main, const char* after) {
    for (ui::Button* button : {&main.CommandKartenentfernen, &main.CommandTypeaendern,
                               &main.CommandMapnameAendern, &main.CommandFilename,
                               &main.CommandFID, &main.CommandHinzufuegen})
      EXPECT_TRUE(button->shown() && button->enabled) << button->name() << " after " << after;
    EXPECT_FALSE(main.TextMapsetname.shown()) << after;
    EXPECT_FALSE(main.CommandNameuebernehmen.shown()) << after;
    EXPECT_FALSE(main.CommandDoIt.shown() && main.CommandDoIt.enabled) << after;
  }

  ProgramHarness program;
  RealMapsets mapsets;
  MapsetFiles topo;
  fs::path package;
};

TEST_F(WindowState, EveryModeButtonStartsFromTheCatalogueViewAndShowsItsHint) {
  program.start();
  ui::fMain& main = showAndRemove();
  expectHint(main, key::Satz55);

  ASSERT_TRUE(click(main.CommandTypeaendern));
  expectHint(main, key::Satz26);
  EXPECT_TRUE(main.FileTypefile.shown());
  EXPECT_TRUE(main.CommandDoIt.shown());
  EXPECT_FALSE(main.CommandDoIt.enabled) << "no mapset chosen yet";
  EXPECT_FALSE(main.CommandFID.enabled);

  showAndRemove();
  expectHint(main, key::Satz55);
  EXPECT_EQ(program.session->vTypeaendern, "nein");
  EXPECT_FALSE(main.CheckTypfile.value());
  EXPECT_FALSE(main.FileTypefile.shown());
  EXPECT_FALSE(main.CommandDoIt.shown());
  EXPECT_TRUE(main.Frame2.shown());
  for (ui::Button* button : {&main.CommandFID, &main.CommandTypeaendern,
                             &main.CommandMapnameAendern, &main.CommandFilename})
    EXPECT_TRUE(button->enabled) << button->name();
  EXPECT_EQ(main.CommandTypeaendern.backColor, ui::kButtonColour);
  EXPECT_EQ(main.CommandKartenentfernen.backColor, ui::kActionColour);

  ASSERT_TRUE(click(main.CommandMapnameAendern));
  expectHint(main, key::Satz49);
  ASSERT_TRUE(click(main.CommandFilename));
  expectHint(main, key::Satz52);
  EXPECT_FALSE(main.CommandNameuebernehmen.shown()) << "the rename's field goes with its mode";
  EXPECT_EQ(main.CommandMapnameAendern.backColor, ui::kButtonColour);

  ASSERT_TRUE(click(main.CommandFID));
  expectHint(main, key::Satz51);
  ui::formFID& fid = program.windows().fid;
  EXPECT_EQ(fid.Label4.caption, text(key::Satz51));
  ASSERT_TRUE(click(fid.Command2));
  EXPECT_FALSE(fid.Text1.text().empty());
  EXPECT_FALSE(fid.Command1.enabled) << "a free FID, but no mapset to give it";
  ASSERT_TRUE(click(fid.CommandExit));
  EXPECT_FALSE(main.LabelHinweis.shown());
  EXPECT_EQ(main.CommandFID.backColor, ui::kButtonColour);

  ASSERT_TRUE(click(main.CommandFID));
  ASSERT_TRUE(click(main.CommandHinzufuegen));
  EXPECT_FALSE(fid.visible()) << "the FID changer closes with its mode";
  EXPECT_FALSE(program.session->vFIDchange);
}

TEST_F(WindowState, AMapsetChosenBeforeTheModeButtonIsItsPick) {
  program.start();
  ui::fMain& main = showAndRemove();
  ASSERT_TRUE(click(main.ListLoeschen, 0));
  ASSERT_TRUE(click(main.CommandMapnameAendern));
  EXPECT_TRUE(main.TextMapsetname.shown());
  EXPECT_EQ(main.TextMapsetname.text(), "Topo");
  EXPECT_EQ(main.ListMapsetName.listIndex(), 0);

  ASSERT_TRUE(click(main.ListMapsetGMP, 0));
  ASSERT_TRUE(click(main.CommandTypeaendern));
  EXPECT_EQ(main.ListMapsetGMP.listIndex(), 0);
  EXPECT_EQ(program.session->vGMPTypeaendern, "ja");
  EXPECT_TRUE(main.CommandDoIt.enabled);
  ASSERT_TRUE(click(main.ListMapsetGMP, 0));
  EXPECT_EQ(main.ListMapsetGMP.toolTip, pathOf(package) + ". " + text(key::Satz26))
      << "the tool tip follows the mode";

  showAndRemove();
  EXPECT_EQ(main.ListMapsetGMP.listIndex(), 0) << "chosen, not removed";
  EXPECT_TRUE(fs::exists(package));
  ASSERT_TRUE(click(main.CommandFID));
  const ui::formFID& fid = program.windows().fid;
  EXPECT_EQ(fid.TextMapname.text(), packageRow());
  EXPECT_EQ(fid.Label1.caption, "FID : 4711");
}

TEST_F(WindowState, ADoubleClickWhereNoRowIsAsksNothingAndTheQuestionNamesTheMapset) {
  program.start();
  ui::fMain& main = showAndRemove();
  ASSERT_TRUE(dblClickNoRow(main.ListMapsetGMP));
  ASSERT_TRUE(dblClickNoRow(main.ListLoeschen));
  EXPECT_TRUE(program.dialogs.messages().empty());

  program.dialogs.answer(Answer::Ok);
  ASSERT_TRUE(dblClick(main.ListLoeschen, 0));
  expectSaid(text(key::Satz21), "ZORVAN - Topo", Buttons::OkCancel, Icon::None);
  EXPECT_FALSE(program.memory.canOpen(Root::LocalMachine, kFamily));
  EXPECT_EQ(main.ListLoeschen.count(), 0);
  ASSERT_TRUE(dblClickNoRow(main.ListLoeschen));
  EXPECT_TRUE(program.dialogs.messages().empty()) << "nothing left to ask about";

  ASSERT_TRUE(click(main.CommandMapnameAendern));
  ASSERT_TRUE(dblClickNoRow(main.ListMapsetName));
  EXPECT_FALSE(main.TextMapsetname.shown());
  EXPECT_TRUE(fs::exists(package));
}

// The TYP assignment offers only names of eight characters; a folder that
// holds others says so instead of asking to take the mapset's TYP away.
TEST_F(WindowState, UseTypfileWaitsForAMapsetAndNamesTypFilesItCannotTake) {
  const fs::path styles = program.folder / "Stile";
  fs::create_directories(styles);
  fs::copy_file(mapsets.root() / "typ" / "harz-typ.typ", styles / "t.typ");
  program.start();
  ui::fMain& main = showAndRemove();
  ASSERT_TRUE(click(main.CommandTypeaendern));
  ASSERT_TRUE(choose(main.DirTypefile, pathOf(styles)));
  EXPECT_TRUE(main.FileTypefile.items().empty());
  EXPECT_EQ(main.LabelTypefile.caption, program.session->texts.caption("LabelTypefile"));
  EXPECT_FALSE(main.CommandDoIt.enabled);
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  EXPECT_TRUE(main.CommandDoIt.enabled);
  ASSERT_TRUE(click(main.CommandDoIt));
  expectSaid(text(key::Fehler60) + "t.typ", "ZORVAN", Buttons::Ok, Icon::Exclamation);
  EXPECT_EQ(fRegAbfrageWert(program.memory, Root::LocalMachine, kFamily, "TYP"), "");

  fs::copy_file(mapsets.root() / "typ" / "harz-typ.typ", styles / "harz-typ.typ");
  ASSERT_TRUE(choose(main.DirTypefile, pathOf(program.folder / "Karten")));
  ASSERT_TRUE(choose(main.DirTypefile, pathOf(styles)));
  EXPECT_EQ(main.LabelTypefile.caption,
            program.session->texts.caption("LabelTypefile") + " harz-typ.typ");
}

// Each edit ends with the lists read afresh, so the change shows at once, and
// with a window from which any other mode can start.
TEST_F(WindowState, AfterEachEditTheListsShowItAndEveryModeCanStart) {
  for (const char* tile : {"63240001.img", "63240002.img"})
    fs::copy_file(mapsets.root() / "mapset" / tile, program.folder / "Karten" / tile);
  program.start();
  ui::fMain& main = program.windows().main;

  ASSERT_TRUE(click(main.CommandMapnameAendern));
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  ASSERT_TRUE(type(main.TextMapsetname, "Topo Neu"));
  ASSERT_TRUE(click(main.CommandNameuebernehmen));
  const TdbTexts& tdbTexts = program.session->texts.tdb();
  expectSaid(tdbTexts.backupCreated + topo.tdb + "-BAK", "ZORVAN", Buttons::Ok, Icon::None);
  expectSaid(tdbTexts.nameChanged, "ZORVAN", Buttons::Ok, Icon::Information);
  EXPECT_EQ(main.ListMapsetName.items(), std::vector<std::string>{"Topo Neu"});
  expectEveryModeButtonUsable(main, "rename");

  const fs::path styles = program.folder / "Stile";
  fs::create_directories(styles);
  fs::copy_file(mapsets.root() / "typ" / "harz-typ.typ", styles / "harz-typ.typ");
  ASSERT_TRUE(click(main.CommandTypeaendern));
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  ASSERT_TRUE(choose(main.DirTypefile, pathOf(styles)));
  ASSERT_TRUE(click(main.FileTypefile, 0));
  ASSERT_TRUE(click(main.CommandDoIt));
  expectSaid(text(key::Satz22), "ZORVAN", Buttons::Ok, Icon::None);
  EXPECT_EQ(main.ListTypefile.items(),
            std::vector<std::string>{pathOf(program.folder / "Karten" / "2104.TYP")});
  expectEveryModeButtonUsable(main, "TYP assignment");

  ASSERT_TRUE(click(main.CommandFID));
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  ui::formFID& fid = program.windows().fid;
  ASSERT_TRUE(type(fid.Text1, "4712"));
  ASSERT_TRUE(click(fid.Command1));
  EXPECT_EQ(main.ListgmpFid.items(), std::vector<std::string>{"4712"});
  ASSERT_TRUE(click(fid.CommandExit));
  expectEveryModeButtonUsable(main, "FID change");

  ASSERT_TRUE(click(main.CommandFilename));
  ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
  ui::FormMaptilename& tiles = program.windows().maptilename;
  ASSERT_TRUE(type(tiles.TextDP, "25"));
  ASSERT_TRUE(click(tiles.CommandDPAendern));
  const DrawPriorityTexts priorityTexts = drawPriorityTexts(Sprache::Deutsch);
  expectSaid(drawPriorityChanged(priorityTexts, 2), "ZORVAN", Buttons::Ok, Icon::None);
  EXPECT_NE(tiles.Listmaptilename.item(0).find("Drawpriority = 25"), std::string::npos);
  expectEveryModeButtonUsable(main, "draw priority");

  showAndRemove();
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
  expectSaid(text(key::Satz21), "ZORVAN - gmap; Harzkarte Süd; FID:4712;PID:3", Buttons::YesNo,
             Icon::None);
  EXPECT_TRUE(main.ListMapsetGMP.items().empty());
  program.dialogs.answer(Answer::Ok);
  ASSERT_TRUE(dblClick(main.ListLoeschen, 0));
  expectSaid(text(key::Satz21), "ZORVAN - Topo Neu", Buttons::OkCancel, Icon::None);
  EXPECT_EQ(main.ListLoeschen.count(), 0);
  EXPECT_TRUE(main.ListMapsetName.items().empty());
  expectEveryModeButtonUsable(main, "removal");
}

}  // namespace
}  // namespace mapsetdesk::testing
