// The FID mode of the main window and the FID changer, driven as a person
// drives them, over a registered mapset made from mkgmap's files and
// mkgmap's package.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/FidTexts.h"
#include "app/messages/IdTexts.h"
#include "formats/TdbHeader.h"
#include "platform/RegistryOps.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBase = "SOFTWARE";

class FidWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    topo = mapsets.make(program.folder / "Karten", "Topo", "Topo", 1234, 1);
    registerFamilyProduct(program.memory, kBase, RegistrationRoot::Families, "Topo1234", 1234,
                          "1", topo);
    package = mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps",
                                  "Harz Familie");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::formFID& open() {
    auto& windows = program.start();
    EXPECT_TRUE(click(windows.main.CommandFID));
    EXPECT_TRUE(windows.fid.visible());
    return windows.fid;
  }
  void expectSaid(const std::string& text, Icon icon = Icon::None) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    EXPECT_EQ(shown.icon, icon);
  }
  void expectReset(ui::formFID& window) {
    EXPECT_EQ(window.Label3.caption, texts.chooseMapset);
    EXPECT_EQ(window.Label1.caption, texts.fidLabel);
    EXPECT_EQ(window.Text1.text(), "");
    EXPECT_EQ(window.TextMapname.text(), "");
    EXPECT_FALSE(window.Command1.enabled);
  }

  ProgramHarness program;
  RealMapsets mapsets;
  MapsetFiles topo;
  fs::path package;
  FidTexts texts = fidTexts(Sprache::Deutsch);
};

TEST_F(FidWindow, OpensInTheFidModeWithItsCaptions) {
  auto& window = open();
  auto& main = program.main();
  EXPECT_EQ(window.caption, texts.caption);
  EXPECT_EQ(window.Command1.caption, texts.command1);
  EXPECT_EQ(window.Command2.caption, texts.command2);
  EXPECT_EQ(window.CommandExit.caption, texts.commandExit);
  EXPECT_EQ(window.Label2.caption, texts.label2);
  expectReset(window);
  EXPECT_EQ(main.CommandFID.backColor, ui::kActionColour);
  EXPECT_TRUE(main.ListMapsetName.visible);
  EXPECT_FALSE(main.CommandTypeaendern.enabled);
  EXPECT_EQ(main.ListMapsetName.items(), std::vector<std::string>{"Topo"});

  EXPECT_TRUE(click(window.CommandExit));
  EXPECT_FALSE(window.visible());
  EXPECT_FALSE(main.ListMapsetName.visible);
  EXPECT_TRUE(main.CommandTypeaendern.enabled);
  EXPECT_EQ(main.CommandFID.backColor, ui::kButtonColour);
}

TEST_F(FidWindow, TheNewFidFieldKeepsWholeNumbersThatFitTwoBytes) {
  auto& window = open();
  EXPECT_TRUE(type(window.Text1, "12.7"));
  EXPECT_EQ(window.Text1.text(), "12");
  EXPECT_FALSE(window.Command1.enabled) << "no mapset picked yet";
  EXPECT_TRUE(dblClick(program.main().ListMapsetName, 0));
  EXPECT_TRUE(window.Command1.enabled);
  EXPECT_TRUE(type(window.Text1, "0"));
  EXPECT_FALSE(window.Command1.enabled);
  EXPECT_TRUE(type(window.Text1, "65535"));
  EXPECT_EQ(window.Text1.text(), "65535");
  EXPECT_TRUE(window.Command1.enabled);
  EXPECT_TRUE(type(window.Text1, "65536"));
  expectSaid(idFaultText(Sprache::Deutsch, IdKind::Fid, IdFault::TooBig));
  EXPECT_EQ(window.Text1.text(), "0");
  EXPECT_FALSE(window.Command1.enabled);
  EXPECT_TRUE(type(window.Text1, "zwölf"));
  EXPECT_EQ(window.Text1.text(), "");
}

TEST_F(FidWindow, ARegisteredMapsetPickedByDoubleClickGetsTheNewFid) {
  auto& window = open();
  auto& main = program.main();
  EXPECT_TRUE(dblClick(main.ListMapsetName, 0));
  EXPECT_EQ(window.TextMapname.text(), "Topo");
  EXPECT_EQ(window.Label1.caption, texts.fidLabel + " 1234");
  EXPECT_TRUE(type(window.Text1, "2345"));
  EXPECT_TRUE(click(window.Command1));

  EXPECT_EQ(readTdbHeader(topo.tdb).header.fid, 2345);
  EXPECT_EQ(fRegAbfrageWert(program.memory, Root::LocalMachine,
                            familyKeyPath(kBase, RegistrationRoot::Families, "Topo1234"), "ID"),
            fidByteText(2345));
  EXPECT_EQ(main.ListID.items(), std::vector<std::string>{"2345"});
  expectReset(window);
}

TEST_F(FidWindow, APackagePickedByDoubleClickGetsTheNewFid) {
  auto& window = open();
  EXPECT_TRUE(dblClick(program.main().ListMapsetGMP, 0));
  EXPECT_EQ(window.Label1.caption, texts.fidLabel + " 4711");
  EXPECT_TRUE(click(window.Command2));
  EXPECT_EQ(window.Text1.text(), "10");
  EXPECT_TRUE(click(window.Command1));
  EXPECT_NE(readFile(package / "Info.xml").find("<ID>10</ID>"), std::string::npos);
  EXPECT_EQ(program.main().ListgmpFid.items(), std::vector<std::string>{"10"});
}

TEST_F(FidWindow, AFidInUseIsRefused) {
  auto& window = open();
  EXPECT_TRUE(dblClick(program.main().ListMapsetGMP, 0));
  EXPECT_TRUE(type(window.Text1, "1234"));
  EXPECT_TRUE(click(window.Command1));
  expectSaid(texts.inUse, Icon::Information);
  EXPECT_EQ(window.Text1.text(), "");
  EXPECT_FALSE(window.Command1.enabled);
  EXPECT_NE(readFile(package / "Info.xml").find("<ID>4711</ID>"), std::string::npos);
}

TEST_F(FidWindow, AMapWithoutTdbIsReportedAndTheWindowReset) {
  auto& window = open();
  EXPECT_TRUE(dblClick(program.main().ListMapsetName, 0));
  fs::remove(filePath(topo.tdb));
  EXPECT_TRUE(type(window.Text1, "2345"));
  EXPECT_TRUE(click(window.Command1));
  expectSaid(texts.mapMissing);
  expectReset(window);
}

}  // namespace
}  // namespace mapsetdesk::testing
