// The settings window: its one row, the question on a click, the stored value.
#include <gtest/gtest.h>

#include "app/Version.h"
#include "app/messages/EinstellungenTexts.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

constexpr const char* kQuestionGerman =
    "Wird dieser PC mit 64 bit Betriebssystem betrieben ? 'ja' für 64 bit, 'nein' für 32 bit";

class SettingsWindow : public ::testing::Test {
 protected:
  void TearDown() override { program.dialogs.expectAllTaken(); }
  ui::FormEinstellungen& open(const std::string& wow64) {
    program.storeSetting("Wow64", wow64);
    auto& windows = program.start();
    EXPECT_TRUE(click(windows.main.Prop));
    EXPECT_TRUE(windows.einstellungen.visible());
    return windows.einstellungen;
  }
  ProgramHarness program;
};

TEST_F(SettingsWindow, RowFor64Bit) {
  auto& window = open("wahr");
  EXPECT_EQ(window.List1.items(), std::vector<std::string>{"Betriebssystem arbeitet mit 64 bit"});
}

TEST_F(SettingsWindow, RowFor32Bit) {
  auto& window = open("falsch");
  EXPECT_EQ(window.List1.items(), std::vector<std::string>{"Betriebssystem arbeitet mit 32 bit"});
}

TEST_F(SettingsWindow, EnglishRows) {
  program.storeSetting("Language", "Eng");
  auto& window = open("wahr");
  EXPECT_EQ(window.List1.items(), std::vector<std::string>{"operatingsystem is 64 bit"});
}

TEST_F(SettingsWindow, UnknownLanguageKeepsTheGermanTexts) {
  program.storeSetting("Language", "Fra");
  auto& window = open("falsch");
  EXPECT_EQ(window.List1.items(), std::vector<std::string>{"Betriebssystem arbeitet mit 32 bit"});
}

TEST_F(SettingsWindow, ClickAsksStoresAndRebuildsTheRowButTheRunKeepsItsBase) {
  auto& window = open("falsch");
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(window.List1, 0));
  const Message shown = program.dialogs.take();
  EXPECT_EQ(shown.text, kQuestionGerman);
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::YesNo);
  EXPECT_EQ(program.setting("Wow64"), "wahr");
  EXPECT_EQ(window.List1.items(), std::vector<std::string>{"Betriebssystem arbeitet mit 64 bit"});
  EXPECT_EQ(program.session->vReg6432, "SOFTWARE");
}

TEST_F(SettingsWindow, EnglishQuestionAndNo) {
  program.storeSetting("Language", "Eng");
  auto& window = open("wahr");
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(window.List1, 0));
  EXPECT_EQ(program.dialogs.take().text,
            "is a 64 bit operatingsystem in use ? 'yes' for 64 bit, 'no' for 32 bit");
  EXPECT_EQ(program.setting("Wow64"), "falsch");
  EXPECT_EQ(window.List1.items(), std::vector<std::string>{"operatingsystem is 32 bit"});
}

TEST_F(SettingsWindow, NoRowWithoutAValidSetting) {
  program.dialogs.answer(Answer::Yes);
  auto& windows = program.start();
  program.dialogs.take();
  program.storeSetting("Wow64", "");
  ASSERT_TRUE(click(windows.main.Prop));
  EXPECT_EQ(windows.einstellungen.List1.count(), 0);
}

TEST_F(SettingsWindow, ToolsChoiceShowsTheStoredValueAndAMissingOneAsAutomatic) {
  const EinstellungenTexts texts = einstellungenTexts(Sprache::Deutsch);
  auto& window = open("wahr");
  EXPECT_EQ(window.LabelTools.caption, texts.toolsLabel);
  EXPECT_EQ(window.ListTools.items(),
            (std::vector<std::string>{texts.toolsAuto, texts.toolsExtern, texts.toolsIntern}));
  EXPECT_EQ(window.ListTools.listIndex(), 0);
  EXPECT_EQ(program.setting("Tools"), "") << "showing the choice stores nothing";
}

TEST_F(SettingsWindow, ToolsChoiceClickedIsStoredInEitherLanguage) {
  program.storeSetting("Language", "Eng");
  program.storeSetting("Tools", "intern");
  auto& window = open("falsch");
  EXPECT_EQ(window.ListTools.listIndex(), 2);
  EXPECT_EQ(window.ListTools.item(1), einstellungenTexts(Sprache::English).toolsExtern);
  ASSERT_TRUE(click(window.ListTools, 1));
  EXPECT_EQ(program.setting("Tools"), "extern");
  ASSERT_TRUE(click(window.ListTools, 0));
  EXPECT_EQ(program.setting("Tools"), "auto");
  EXPECT_EQ(window.ListTools.listIndex(), 0);
}

TEST_F(SettingsWindow, ShowsHowLongAndHowLargeTheHistoryIsKept) {
  auto& window = open("wahr");
  const EinstellungenTexts german = einstellungenTexts(Sprache::Deutsch);
  EXPECT_EQ(window.LabelVerlauf.caption, german.history + "30" + german.historyDays + "2048 MB");
  program.storeSetting("HistoryDays", "7");
  program.storeSetting("HistoryMB", "512");
  program.storeSetting("Language", "Eng");
  window.SpracheEinstellungen();
  const EinstellungenTexts english = einstellungenTexts(Sprache::English);
  EXPECT_EQ(window.LabelVerlauf.caption, english.history + "7" + english.historyDays + "512 MB");
}

TEST_F(SettingsWindow, ReleaseNumberAtTheFootInEitherLanguage) {
  const std::string version(kVersion);
  auto& window = open("wahr");
  EXPECT_EQ(window.LabelVersion.caption,
            einstellungenTexts(Sprache::Deutsch).version + " " + version);
  EXPECT_NE(window.LabelVersion.caption, "mapsetdesk Version ");
  program.storeSetting("Language", "Eng");
  window.SpracheEinstellungen();
  EXPECT_EQ(window.LabelVersion.caption,
            einstellungenTexts(Sprache::English).version + " " + version);
}

}  // namespace
}  // namespace mapsetdesk::testing
