// The latitude window: the fields' input rules, show, set and the removal
// that hands the choice back to the desktop program.
#include <gtest/gtest.h>

#include "platform/RegistryOps.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

constexpr const char* kKey1001 = "Software\\Garmin\\SharedSettings\\Products\\65601537";
constexpr const char* kNothingStored = "es ist kein Breitengrad für diese Karte festgelegt.";
constexpr const char* kOutOfRange = "Es sind nur Werte von 5 bis 85 Grad möglich.";

class LatitudeWindow : public ::testing::Test {
 protected:
  void SetUp() override { program.storeSetting("Wow64", "falsch"); }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::fLatitude& open() {
    auto& windows = program.start();
    EXPECT_TRUE(click(windows.main.MnuLatitude));
    EXPECT_TRUE(windows.latitude.visible());
    return windows.latitude;
  }
  // Types the three fields as a person would, leaving the latitude field.
  void enter(ui::fLatitude& window, const std::string& fid, const std::string& pid,
             const std::string& latitude) {
    EXPECT_TRUE(type(window.TextFID, fid));
    EXPECT_TRUE(type(window.TextPID, pid));
    EXPECT_TRUE(type(window.TextLatitude, latitude));
    EXPECT_TRUE(leave(window.TextLatitude));
  }
  std::optional<RegValue> stored(const std::string& key = kKey1001) {
    return program.memory.queryValue(Root::CurrentUser, key, "ProjectionAngle");
  }
  void expectSaid(const std::string& text) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
  }

  ProgramHarness program;
};

TEST_F(LatitudeWindow, OpensEmptyWithTheGermanTexts) {
  auto& window = open();
  EXPECT_EQ(window.TextFID.text(), "");
  EXPECT_EQ(window.TextPID.text(), "");
  EXPECT_EQ(window.TextLatitude.text(), "");
  EXPECT_EQ(window.CmdShow.caption, "Breitengrad anzeigen");
  EXPECT_EQ(window.CmdSet.caption, "Breitengrad setzen");
  EXPECT_EQ(window.LabelLatitude.caption, "Breitengrad mit minimaler Verzerrung");
  EXPECT_EQ(window.LabelBeschreibung.caption,
            "Setzen Sie für eine Karte den Breitengrad, an dem die Karte minimal verzerrt "
            "dargestellt werden soll. Es sind Werte von 80° bis 5° möglich. Diese Einstellung "
            "wirkt nur auf die Karte mit der unten eingetragenen FID und PID. bei "
            "'gmp'-Installationen ist fast immer PID=1. PID und FID können im File 'Info.xml' "
            "des Kartensatzes nachgelesen werden. Mit Texteditor zu oeffnen.");
  EXPECT_TRUE(window.CmdSet.usable());
  EXPECT_FALSE(program.memory.canOpen(Root::CurrentUser, "Software\\Garmin"));
}

TEST_F(LatitudeWindow, EnglishTextsAndMessages) {
  program.storeSetting("Language", "Eng");
  auto& window = open();
  EXPECT_EQ(window.CmdShow.caption, "show latitude");
  EXPECT_EQ(window.CmdSet.caption, "set latitude");
  EXPECT_EQ(window.LabelLatitude.caption, "Latitude with minimal distortion");
  EXPECT_EQ(window.LabelBeschreibung.caption,
            "Put a map latitude, at which the map should be shown minimal distortion. Values of "
            "80 ° to 5 ° are possible. This setting affects only the map with the below "
            "registered FID and PID. For 'gmp'-installations is mostly PID=1 or look inside "
            "'Info.xml'");
  ASSERT_TRUE(type(window.TextLatitude, "90"));
  EXPECT_FALSE(leave(window.TextLatitude));
  expectSaid("only 5 to 85 are valid values.");
  ASSERT_TRUE(type(window.TextFID, "1001"));
  ASSERT_TRUE(click(window.CmdShow));
  expectSaid("wrong PID");
  ASSERT_TRUE(type(window.TextPID, "1"));
  ASSERT_TRUE(click(window.CmdShow));
  EXPECT_EQ(window.TextLatitude.text(), "there are no settings for this map");
  ASSERT_TRUE(type(window.TextFID, ""));
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("wrong FID");
}

TEST_F(LatitudeWindow, LanguageChangedWhileClosedAppliesOnTheNextOpening) {
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.MnuLatitude));
  EXPECT_EQ(windows.latitude.CmdShow.caption, "Breitengrad anzeigen");
  ASSERT_TRUE(click(windows.main.Sprachwahl));
  ASSERT_TRUE(click(windows.main.MnuLatitude));
  EXPECT_EQ(windows.latitude.CmdShow.caption, "show latitude");
}

TEST_F(LatitudeWindow, NonNumericFidAndPidAreCleared) {
  auto& window = open();
  ASSERT_TRUE(type(window.TextFID, "1001"));
  EXPECT_EQ(window.TextFID.text(), "1001");
  ASSERT_TRUE(type(window.TextFID, "1001a"));
  EXPECT_EQ(window.TextFID.text(), "");
  ASSERT_TRUE(type(window.TextPID, "-1"));
  EXPECT_EQ(window.TextPID.text(), "");
  ASSERT_TRUE(type(window.TextPID, "1.5"));
  EXPECT_EQ(window.TextPID.text(), "");
  ASSERT_TRUE(type(window.TextPID, "0001"));
  EXPECT_EQ(window.TextPID.text(), "0001");
}

TEST_F(LatitudeWindow, FiftyIsStoredAsADwordUnderTheMapsKeyAndShown) {
  auto& window = open();
  enter(window, "1001", "1", "50");
  ASSERT_TRUE(click(window.CmdSet));
  const auto value = stored();
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, kRegDword);
  EXPECT_EQ(value->data, std::string("\x32\0\0\0", 4));
  EXPECT_TRUE(window.CmdSet.usable());
  ASSERT_TRUE(type(window.TextLatitude, ""));
  ASSERT_TRUE(click(window.CmdShow));
  EXPECT_EQ(window.TextLatitude.text(), "50°");
}

TEST_F(LatitudeWindow, AutomaticRemovesTheSettingAndShowFindsNothing) {
  auto& window = open();
  enter(window, "1001", "1", "50");
  ASSERT_TRUE(click(window.CmdSet));
  ASSERT_TRUE(type(window.TextLatitude, ""));
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(window.CmdSet));
  const Message question = program.dialogs.take();
  EXPECT_EQ(question.text,
            "Sie haben keinen Breitengrad eingegeben, soll die Karte auf 'automatisch' gesetzt "
            "werden ?");
  EXPECT_EQ(question.title, "ZORVAN");
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  EXPECT_FALSE(program.memory.canOpen(Root::CurrentUser, kKey1001));
  EXPECT_EQ(window.TextLatitude.text(), kNothingStored);
  ASSERT_TRUE(type(window.TextLatitude, "77"));
  ASSERT_TRUE(click(window.CmdShow));
  EXPECT_EQ(window.TextLatitude.text(), kNothingStored);
}

TEST_F(LatitudeWindow, TheNothingStoredTextAsksForAutomatic) {
  fDwordSpeichern(program.memory, Root::CurrentUser, kKey1001, "ProjectionAngle", 40);
  auto& window = open();
  enter(window, "1001", "1", "");
  window.TextLatitude.setText(kNothingStored);
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(window.CmdSet));
  const Message question = program.dialogs.take();
  EXPECT_EQ(question.text,
            "Sie haben keinen Breitengrad eingegeben, soll die Karte auf 'automatisch' gesetzt "
            "werden ?");
  EXPECT_EQ(question.title, "ZORVAN");
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  EXPECT_FALSE(stored());
}

// Set guards the field as well, for a text that never went through the
// field's own check on leaving.
TEST_F(LatitudeWindow, OtherTextAtSetIsRefusedNotTakenForEmpty) {
  fDwordSpeichern(program.memory, Root::CurrentUser, kKey1001, "ProjectionAngle", 40);
  auto& window = open();
  enter(window, "1001", "1", "");
  for (const char* refused : {"abc", "4 7", "°"}) {
    window.TextLatitude.setText(refused);
    ASSERT_TRUE(click(window.CmdSet));
    expectSaid(kOutOfRange);
    EXPECT_EQ(window.TextLatitude.text(), "") << refused;
    EXPECT_EQ(stored()->data, std::string("\x28\0\0\0", 4)) << refused;
  }
}

TEST_F(LatitudeWindow, AnsweringNoKeepsTheSetting) {
  auto& window = open();
  enter(window, "1001", "1", "50");
  ASSERT_TRUE(click(window.CmdSet));
  ASSERT_TRUE(type(window.TextLatitude, ""));
  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(window.CmdSet));
  program.dialogs.take();
  ASSERT_TRUE(stored());
  EXPECT_EQ(window.TextLatitude.text(), "");
}

TEST_F(LatitudeWindow, RemovalKeepsTheKeyWhileItHoldsOtherSettings) {
  fDwordSpeichern(program.memory, Root::CurrentUser, kKey1001, "ProjectionAngle", 40);
  fStringSpeichern(program.memory, Root::CurrentUser, kKey1001, "Other", "kept");
  auto& window = open();
  enter(window, "1001", "1", "");
  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(window.CmdSet));
  program.dialogs.take();
  EXPECT_FALSE(stored());
  EXPECT_EQ(fRegAbfrageWert(program.memory, Root::CurrentUser, kKey1001, "Other"), "kept");
  EXPECT_EQ(window.TextLatitude.text(), kNothingStored);
}

TEST_F(LatitudeWindow, FiveAndEightyFiveAreAccepted) {
  auto& window = open();
  enter(window, "1001", "1", "85");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_EQ(stored()->data, std::string("\x55\0\0\0", 4));
  enter(window, "1001", "1", "5");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_EQ(stored()->data, std::string("\x05\0\0\0", 4));
}

TEST_F(LatitudeWindow, OutOfRangeIsRefusedClearedAndKeepsTheFocus) {
  auto& window = open();
  for (const char* refused : {"85.5", "4", "4.99", "90", "-10", "abc"}) {
    ASSERT_TRUE(type(window.TextLatitude, refused));
    EXPECT_FALSE(leave(window.TextLatitude)) << refused;
    expectSaid(kOutOfRange);
    EXPECT_EQ(window.TextLatitude.text(), "") << refused;
    EXPECT_EQ(window.focused(), &window.TextLatitude);
  }
  EXPECT_TRUE(leave(window.TextLatitude));
  EXPECT_FALSE(program.memory.canOpen(Root::CurrentUser, "Software\\Garmin"));
}

// Leaving a refused entry for the set button must not go on to the question
// about the automatic latitude.
TEST_F(LatitudeWindow, ARefusedEntryDoesNotReachTheSetButton) {
  auto& window = open();
  ASSERT_TRUE(type(window.TextFID, "1001"));
  ASSERT_TRUE(type(window.TextPID, "1"));
  ASSERT_TRUE(type(window.TextLatitude, "4"));
  EXPECT_FALSE(window.moveFocus(&window.CmdSet));
  expectSaid(kOutOfRange);
  EXPECT_FALSE(stored());
}

TEST_F(LatitudeWindow, FractionsAreRoundedToTheNearestDegree) {
  auto& window = open();
  enter(window, "1001", "1", "50.6");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_EQ(stored()->data, std::string("\x33\0\0\0", 4));
  enter(window, "1001", "1", "50,4");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_EQ(stored()->data, std::string("\x32\0\0\0", 4));
}

TEST_F(LatitudeWindow, BlanksAndTheDegreeSignAroundTheNumberAreAccepted) {
  auto& window = open();
  enter(window, "1001", "1", " 47 ° ");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_EQ(stored()->data, std::string("\x2f\0\0\0", 4));
  for (const char* refused : {"4 7", "47..", "47.5.1", "°", "1e1"}) {
    ASSERT_TRUE(type(window.TextLatitude, refused));
    EXPECT_FALSE(leave(window.TextLatitude)) << refused;
    expectSaid(kOutOfRange);
  }
}

TEST_F(LatitudeWindow, TheShownValueCanBeSetAgain) {
  fDwordSpeichern(program.memory, Root::CurrentUser, kKey1001, "ProjectionAngle", 33);
  auto& window = open();
  enter(window, "1001", "1", "");
  ASSERT_TRUE(click(window.CmdShow));
  EXPECT_EQ(window.TextLatitude.text(), "33°");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_EQ(stored()->data, std::string("\x21\0\0\0", 4));
}

TEST_F(LatitudeWindow, WrongPidAndFid) {
  auto& window = open();
  enter(window, "1001", "0", "50");
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("Falsche PID");
  enter(window, "1001", "", "50");
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("Falsche PID");
  enter(window, "", "1", "50");
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("Falsche FID");
  enter(window, "65536", "1", "50");
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("Falsche FID");
  enter(window, "1", "65536", "50");
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("Falsche PID");
  EXPECT_FALSE(program.memory.canOpen(Root::CurrentUser, "Software\\Garmin"));
  EXPECT_TRUE(window.CmdSet.usable());
}

TEST_F(LatitudeWindow, TheHighestFidAndPidNameTheirKeyWithoutOverflow) {
  auto& window = open();
  enter(window, "65535", "65535", "60");
  ASSERT_TRUE(click(window.CmdSet));
  const auto value = stored("Software\\Garmin\\SharedSettings\\Products\\4294967295");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->data, std::string("\x3c\0\0\0", 4));
  enter(window, "40000", "7", "61");
  ASSERT_TRUE(click(window.CmdSet));
  EXPECT_TRUE(stored("Software\\Garmin\\SharedSettings\\Products\\2621440007"));
}

TEST_F(LatitudeWindow, AValueTheRegistryRefusesIsReported) {
  auto& window = open();
  enter(window, "1001", "1", "50");
  program.registry.refuseWrites();
  ASSERT_TRUE(click(window.CmdSet));
  expectSaid("Der Breitengrad konnte nicht in die Registry geschrieben werden.");
  EXPECT_FALSE(stored());
}

}  // namespace
}  // namespace mapsetdesk::testing
