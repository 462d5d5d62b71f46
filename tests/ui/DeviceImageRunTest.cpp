// The device-image run of the main window over mkgmap's gmapsupp.img of two
// families, with the stand-ins of gmt and cgpsmapper: the split folder, one
// registration window per family, the FID question, the fall-back to tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/ProductTitle.h"
#include "app/messages/CatalogueTexts.h"
#include "app/messages/DeviceImageTexts.h"
#include "app/messages/InputFileTexts.h"
#include "app/messages/ToolRunnerTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "install/DeviceImage.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"
#include "support/CraftedImages.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const std::string& catalogueText(const char* key) {
  return catalogueTexts(Sprache::Deutsch).messages.find(key)->second;
}
const TdbVorhandenTexts& german() {
  static const TdbVorhandenTexts texts = tdbVorhandenTexts(Sprache::Deutsch);
  return texts;
}

std::vector<std::string> subfolders(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class DeviceImageRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << "run through ctest, which makes the mkgmap files";
    program.storeSetting("Wow64", "falsch");
    installStandins(program.folder / "program");
    fs::create_directories(device());
    fs::copy_file(mapsets.root() / "families" / "gmapsupp.img", device() / "gmapsupp.img");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  fs::path device() const { return program.folder / "Geraet"; }
  fs::path split() const { return device() / "SplittMaps"; }
  mapsetdesk::DeviceImageRun run() {
    return program.start().main.gmapsuppsplitten(pathOf(device() / "gmapsupp.img"));
  }
  void expectSaid(const std::string& text, std::string_view title = kMessageTitle,
                  Buttons buttons = Buttons::Ok) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.buttons, buttons);
  }
  // The messages of one family handed to the registration window: the FID
  // question, the TDB's backup, the finished text.
  void expectFamily(const std::string& familyFolder) {
    expectSaid(catalogueText("Satz67"), kMessageTitle, Buttons::YesNo);
    expectSaid(catalogueText("Satz25") + pathOf(split() / familyFolder / "mapset.tdb") + "-BAK");
    expectSaid(german().finished);
  }
  // In the registration window: what the run filled in, then the
  // registration and the close.
  void registerWhenShown(std::vector<std::string>& seen) {
    program.screen.whenModal("FormTDBvorhanden", [this, &seen](ui::Form& form) {
      auto& window = static_cast<ui::FormTDBvorhanden&>(form);
      seen.push_back(window.TextID.text() + "/" + window.TextPID.text());
      EXPECT_FALSE(window.Text1.enabled) << "the name comes from the family's TDB";
      EXPECT_TRUE(window.vWarten);
      EXPECT_TRUE(fs::exists(filePath(window.TextPfadPreview.text())));
      EXPECT_EQ(filePath(window.TextPfadTDB.text()).filename(), "mapset.tdb");
      EXPECT_TRUE(click(window.Commandregistriere));
      window.unload();
    });
  }

  // The built-in tools stand under the runner as in the program; where the
  // stand-ins lie in the program folder, they run.
  ProgramHarness program{true};
  RealMapsets mapsets;
};

TEST_F(DeviceImageRun, TwoFamiliesTwoWindowsOneAfterTheOther) {
  std::vector<std::string> seen;
  registerWhenShown(seen);
  registerWhenShown(seen);
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  const auto result = run();
  expectFamily("gmapsupp_4711");
  expectFamily("gmapsupp_4712");
  expectSaid(catalogueText("Text2"));
  EXPECT_EQ(result.outcome, DeviceImageOutcome::Integrated);
  EXPECT_EQ(result.families, 2);
  EXPECT_EQ(result.registered, 2);
  EXPECT_EQ(seen, (std::vector<std::string>{"4711/3", "4712/5"}));
  EXPECT_EQ(subfolders(split()), (std::vector<std::string>{"gmapsupp_4711", "gmapsupp_4712"}));
  EXPECT_FALSE(fs::exists(split() / "gmapsupp_4711" / "gmapsupp_4711.img"))
      << "the family file goes once the family was handled";
  const auto& log = program.screen.log;
  EXPECT_EQ(std::count(log.begin(), log.end(), "modal FormTDBvorhanden"), 2);
  const auto& rows = program.windows().main.registryCatalogue().rows;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(program.windows().main.TextMeldung.text(), catalogueText("Text2"));
  EXPECT_TRUE(program.windows().tdbVorhanden.Text1.enabled);
}

// Chosen and installed by clicks: afterwards neither button runs the image again.
TEST_F(DeviceImageRun, AnInstalledImageIsNotOfferedForInstallingAgain) {
  std::vector<std::string> seen;
  registerWhenShown(seen);
  registerWhenShown(seen);
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  ui::fMain& main = program.start().main;
  ASSERT_TRUE(click(main.CommandHinzufuegen));
  ASSERT_TRUE(choose(main.Dir1, pathOf(device())));
  const auto& files = main.File1.items();
  const auto image = std::find(files.begin(), files.end(), "gmapsupp.img");
  ASSERT_NE(image, files.end());
  ASSERT_TRUE(dblClick(main.File1, static_cast<int>(image - files.begin())));
  ASSERT_TRUE(click(main.Command1));
  expectFamily("gmapsupp_4711");
  expectFamily("gmapsupp_4712");
  expectSaid(catalogueText("Text2"));
  EXPECT_EQ(main.registryCatalogue().rows.size(), 2u);
  EXPECT_FALSE(main.CommandButtonPV.enabled);
  EXPECT_FALSE(main.Command1.enabled);
  EXPECT_EQ(main.List1.items(), std::vector<std::string>{catalogueText("Fehler28")});
}

TEST_F(DeviceImageRun, EachFamilyBecomesAPackage) {
  for (int family = 0; family < 2; ++family) {
    program.screen.whenModal("FormTDBvorhanden", [](ui::Form& form) {
      auto& window = static_cast<ui::FormTDBvorhanden&>(form);
      EXPECT_TRUE(click(window.Commandgmapsatz));
      window.unload();
    });
    program.dialogs.answer(Answer::Yes);
  }
  const auto result = run();
  for (const char* family : {"gmapsupp_4711", "gmapsupp_4712"}) {
    expectSaid(catalogueText("Satz67"), kMessageTitle, Buttons::YesNo);
    expectSaid(catalogueText("Satz25") + pathOf(split() / family / "mapset.tdb") + "-BAK");
  }
  expectSaid(catalogueText("Text2"));
  EXPECT_EQ(result.registered, 2);
  const auto& packages = program.windows().main.gmapCatalogue().rows;
  std::vector<std::string> fids;
  for (const auto& row : packages) fids.push_back(row.fid + "/" + row.pid);
  std::sort(fids.begin(), fids.end());
  EXPECT_EQ(fids, (std::vector<std::string>{"4711/3", "4712/5"}));
  const fs::path maps = program.folder / "ProgramData" / "GARMIN" / "Maps";
  for (const auto& entry : fs::directory_iterator(maps))
    EXPECT_TRUE(fs::exists(entry.path() / "Info.xml")) << entry.path();
}

TEST_F(DeviceImageRun, WithoutAnyOutsideProgramTheBuiltinToolsSplitExtractAndCompile) {
  fs::remove_all(program.folder / "program");
  fs::create_directories(program.folder / "program");
  std::vector<std::string> seen;
  registerWhenShown(seen);
  registerWhenShown(seen);
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  const auto result = run();
  expectFamily("gmapsupp_4711");
  expectFamily("gmapsupp_4712");
  expectSaid(catalogueText("Text2"));
  EXPECT_EQ(result.registered, 2);
  EXPECT_EQ(seen, (std::vector<std::string>{"4711/3", "4712/5"}));
  EXPECT_EQ(program.windows().main.registryCatalogue().rows.size(), 2u);
}

TEST_F(DeviceImageRun, AnImageWithoutProductListIsNotedAsWithoutFidAndYieldsNoTdb) {
  fs::remove_all(program.folder / "program");
  fs::create_directories(program.folder / "program");
  fs::copy_file(mapsets.root() / "mapset" / "63240001.img", device() / "gmapsupp.img",
                fs::copy_options::overwrite_existing);
  const auto result = run();
  expectSaid(kNoFidNotice);
  expectSaid(catalogueText("Fehler36"), kTitleWithVersion);
  EXPECT_EQ(result.registered, 0);
  EXPECT_EQ(subfolders(split()), std::vector<std::string>{"gmapsupp_0000"});
  EXPECT_NE(program.windows().main.TextMeldung.text(), catalogueText("Text2"));
}

TEST_F(DeviceImageRun, ADamagedOrCraftedImageIsRefusedBeforeAnythingIsWritten) {
  fs::remove_all(program.folder / "program");
  fs::create_directories(program.folder / "program");
  const std::string whole = readFile(mapsets.root() / "families" / "gmapsupp.img");
  for (const CraftedImage& crafted : craftedImages(whole)) {
    SCOPED_TRACE(crafted.name);
    writeFile(device() / "gmapsupp.img", crafted.bytes);
    const auto result = run();
    expectSaid(damagesTheDirectory(crafted.fault)
                   ? deviceImageFaultText(Sprache::Deutsch, InputFault::NotImg) +
                         pathText(device() / "gmapsupp.img")
               : crafted.fault == CraftedFault::TileWithoutFamily
                   ? catalogueText("Fehler49") + "63250001"
                   : catalogueText("Fehler48"));
    EXPECT_EQ(result.outcome, DeviceImageOutcome::ImageRefused);
    EXPECT_EQ(result.registered, 0);
    EXPECT_FALSE(fs::exists(split()));
    EXPECT_TRUE(program.windows().main.registryCatalogue().rows.empty());
    EXPECT_TRUE(program.windows().main.gmapCatalogue().rows.empty());
    EXPECT_NE(program.windows().main.TextMeldung.text(), catalogueText("Text2"));
  }
}

TEST_F(DeviceImageRun, AFamilyWhoseOverviewIsNotCompiledIsToldAndNotRegistered) {
  ScopedEnvironment fault("MAPSETDESK_CGPSMAPPER_FAULT", "nothing");
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  const auto result = run();
  for (int family = 0; family < 2; ++family) {
    expectSaid(catalogueText("Satz67"), kMessageTitle, Buttons::YesNo);
    expectSaid(catalogueText("Fehler39"));
  }
  EXPECT_EQ(result.registered, 0);
  EXPECT_TRUE(program.windows().main.Command2.enabled);
  EXPECT_TRUE(program.windows().main.registryCatalogue().rows.empty());
}

TEST_F(DeviceImageRun, NoTakesAFreeFid) {
  std::vector<std::string> seen;
  registerWhenShown(seen);
  registerWhenShown(seen);
  program.dialogs.answer(Answer::No);
  program.dialogs.answer(Answer::No);
  run();
  expectFamily("gmapsupp_4711");
  expectFamily("gmapsupp_4712");
  expectSaid(catalogueText("Text2"));
  EXPECT_EQ(seen, (std::vector<std::string>{"10/3", "11/5"}));
}

TEST_F(DeviceImageRun, ExistingSplitFolderAnsweredNoLeavesEverything) {
  fs::create_directories(split() / "alt");
  writeFile(split() / "alt" / "datei.img", "alt");
  program.dialogs.answer(Answer::No);
  const auto result = run();
  expectSaid(catalogueText("Satz66"), kMessageTitle, Buttons::YesNo);
  EXPECT_EQ(result.outcome, DeviceImageOutcome::Declined);
  EXPECT_EQ(readFile(split() / "alt" / "datei.img"), "alt");
  EXPECT_EQ(subfolders(split()), std::vector<std::string>{"alt"});
}

TEST_F(DeviceImageRun, ExistingSplitFolderAnsweredYesIsEmptiedFirst) {
  fs::create_directories(split() / "alt");
  writeFile(split() / "rest.txt", "alt");
  std::vector<std::string> seen;
  registerWhenShown(seen);
  registerWhenShown(seen);
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  run();
  expectSaid(catalogueText("Satz66"), kMessageTitle, Buttons::YesNo);
  expectFamily("gmapsupp_4711");
  expectFamily("gmapsupp_4712");
  expectSaid(catalogueText("Text2"));
  EXPECT_FALSE(fs::exists(split() / "alt"));
  EXPECT_FALSE(fs::exists(split() / "rest.txt"));
}

TEST_F(DeviceImageRun, ImageWithoutFamiliesBecomesATileSelection) {
  fs::copy_file(mapsets.root() / "mapset" / "63240001.img", device() / "gmapsupp.img",
                fs::copy_options::overwrite_existing);
  program.storeSetting("Tools", "extern");
  fs::remove(program.folder / "program" / "gmt.exe");
  const auto result = run();
  expectSaid(catalogueText("Fehler42"));
  expectSaid(std::string(kProcessNotStarted));
  expectSaid(catalogueText("Fehler36"), kTitleWithVersion);
  expectSaid(std::string(kProcessNotStarted));
  EXPECT_EQ(result.outcome, DeviceImageOutcome::TileSelection);
  auto& main = program.windows().main;
  EXPECT_EQ(main.Dir1.path(), pathOf(split()));
  EXPECT_TRUE(main.Command1.enabled);
  EXPECT_TRUE(main.TextBoxMSName.enabled);
  EXPECT_FALSE(main.Frame1.visible);
  EXPECT_TRUE(program.screen.log.end() ==
              std::find(program.screen.log.begin(), program.screen.log.end(),
                        "modal FormTDBvorhanden"));
}

TEST_F(DeviceImageRun, FallBackListsOnlyNumericLowerCaseImgTiles) {
  writeFile(device() / "gmapsupp.img", "no device image");
  fs::create_directories(split());
  const auto tiles = splitTiles(pathOf(split()));
  EXPECT_TRUE(tiles.empty());
  for (const char* name : {"00001234.img", "00001235.IMG", "abc.img", "00001236.img.bak",
                           "00001237.img"})
    writeFile(split() / name, "x");
  EXPECT_EQ(splitTiles(pathOf(split())),
            (std::vector<std::string>{pathOf(split() / "00001234.img"),
                                      pathOf(split() / "00001237.img")}));
}

}  // namespace
}  // namespace mapsetdesk::testing
