// The send-to-device window, opened from the menu: it lists the installed
// mapsets with their size, finds the Garmin folder of a device and offers
// the next free image name there, asks before replacing, reports into the
// tool window and refuses a broken mapset before writing.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/SendToDeviceTexts.h"
#include "formats/ImgContainer.h"
#include "support/ExistingMapsetFiles.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class SendToDeviceWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(made.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    files = made.make(program.folder / "Karten", "Harz", 4711, 3, {.typ = true});
    registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Harz4711", 4711,
                          "1", {files.tdb, files.overview, files.tiles}, files.typ);
    fs::create_directories(garmin);
    writeFile(garmin / "gmapsupp.img", "Karte eines anderen");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::FormGeraet& open() {
    ui::ProgramWindows& windows = program.start();
    windows.geraet.volumes = [this] { return std::vector<std::string>{volume.str()}; };
    EXPECT_TRUE(click(windows.main.MnuGeraet));
    return windows.geraet;
  }

  void expectMessage(const std::string& text, Buttons buttons, Icon icon) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, buttons);
    EXPECT_EQ(shown.icon, icon);
  }

  ProgramHarness program;
  ExistingMapsetFiles made;
  ExistingFiles files;
  TempDir volume;
  fs::path garmin = volume / "Garmin";
  SendToDeviceTexts texts = sendToDeviceTexts(Sprache::Deutsch);
};

TEST_F(SendToDeviceWindow,
       WritesTheTickedMapsetBesideTheImageThatIsThereAndThenAsksBeforeReplacing) {
  ui::FormGeraet& window = open();
  EXPECT_EQ(window.caption, "Zum Geraet senden");
  EXPECT_EQ(window.LabelSpalten.caption, texts.columns);
  ASSERT_EQ(window.ListKartensaetze.items(), std::vector<std::string>{"Harz\t4711\t3\t1"});
  EXPECT_EQ(window.ListZiel.items(),
            (std::vector<std::string>{pathText(garmin), texts.chooseFile}));
  const fs::path next = garmin / "gmapsupp1.img";
  EXPECT_EQ(window.TextZiel.text(), pathText(next)) << "the other image stays";
  EXPECT_EQ(window.LabelGroesse.caption, texts.noMapset);

  ASSERT_TRUE(click(window.ListKartensaetze, 0));
  EXPECT_TRUE(window.LabelGroesse.caption.starts_with(texts.imageSize));
  ASSERT_TRUE(click(window.CmdSchreiben));
  expectMessage(texts.done + pathText(next), Buttons::Ok, Icon::Information);
  EXPECT_EQ(readFile(garmin / "gmapsupp.img"), "Karte eines anderen");
  const auto image = readImgContainer(readFile(next));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->subfiles.size(), 8u) << "product list, six tile subfiles, TYP";
  EXPECT_EQ(program.windows().pipe.Text1.text(), texts.writing + pathText(next) + "\r\n" +
                                                     texts.mapsetWritten + "Harz\r\n" + texts.done +
                                                     pathText(next) + "\r\n");
  EXPECT_EQ(window.TextZiel.text(), pathText(garmin / "gmapsupp2.img"));

  ASSERT_TRUE(type(window.TextZiel, pathText(next)));
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(window.CmdSchreiben));
  expectMessage(texts.askReplace + pathText(next), Buttons::YesNo, Icon::Question);
}

TEST_F(SendToDeviceWindow, AMissingTileIsNamedAndNothingIsWritten) {
  ui::FormGeraet& window = open();
  fs::remove(filePath(files.tiles + "63240002.img"));
  ASSERT_TRUE(click(window.ListKartensaetze, 0));
  ASSERT_TRUE(click(window.CmdSchreiben));
  expectMessage(texts.fileMissing + files.tiles + "63240002.img", Buttons::Ok, Icon::Exclamation);
  EXPECT_FALSE(fs::exists(garmin / "gmapsupp1.img"));
}

}  // namespace
}  // namespace mapsetdesk::testing
