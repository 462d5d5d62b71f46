// The control models and the form base on their own, and the driver's refusal
// of what a person could not do.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/FilePath.h"
#include "support/FormDriver.h"
#include "support/HeadlessWindows.h"
#include "support/TempDir.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/FilePattern.h"
#include "ui/forms/controls/FileList.h"
#include "ui/forms/controls/Frame.h"
#include "ui/forms/controls/OptionButton.h"

namespace mapsetdesk::testing {
namespace {

constexpr const char* kTilePattern = "????????.img; ????????.Img; ????????.IMG";

TEST(FilePattern, TilePatternTakesEightCharactersAndAnyCase) {
  EXPECT_TRUE(ui::matchesPattern("12345678.img", kTilePattern));
  EXPECT_TRUE(ui::matchesPattern("12345678.IMG", kTilePattern));
  EXPECT_TRUE(ui::matchesPattern("1234567a.iMg", kTilePattern));
  EXPECT_FALSE(ui::matchesPattern("1234567.img", kTilePattern));
  EXPECT_FALSE(ui::matchesPattern("123456789.img", kTilePattern));
  EXPECT_FALSE(ui::matchesPattern("12345678.img.bak", kTilePattern));
  EXPECT_TRUE(ui::matchesPattern("1234567ü.img", kTilePattern));  // one character, two bytes
}

TEST(FilePattern, StarsAndSeveralPatterns) {
  EXPECT_TRUE(ui::matchesPattern("Karte.TYP", "*.typ;*.TYP;*.Typ"));
  EXPECT_TRUE(ui::matchesPattern("a.b.typ", "*.typ"));
  EXPECT_FALSE(ui::matchesPattern("typ", "*.typ"));
  EXPECT_TRUE(ui::matchesPattern("anything", " ; *"));
  EXPECT_FALSE(ui::matchesPattern("anything", ""));
}

class Models : public ::testing::Test {
 protected:
  HeadlessWindows screen;
  ui::Form form{screen, "Test"};
};

TEST_F(Models, FileListShowsMatchingFilesInNameOrder) {
  TempDir folder;
  for (const char* name : {"87654321.IMG", "12345678.img", "gmapsupp.img", "1234567.img",
                           "Karte.typ"})
    writeFile(folder / name, "x");
  std::filesystem::create_directories(folder / "00000000.img");
  ui::FileList files(form, "File1");
  files.setPattern(kTilePattern);
  ASSERT_TRUE(files.setPath(folder.str()));
  // A device image has eight characters before its extension too.
  EXPECT_EQ(files.items(),
            (std::vector<std::string>{"12345678.img", "87654321.IMG", "gmapsupp.img"}));
  EXPECT_FALSE(files.setPath(pathText(folder / "missing")));
  EXPECT_EQ(files.path(), folder.str());
  EXPECT_EQ(files.count(), 3);
}

TEST_F(Models, DirListShowsTheChainAndTheSubfoldersAndRaisesChangeOnAChange) {
  TempDir folder;
  std::filesystem::create_directories(folder / "b");
  std::filesystem::create_directories(folder / "A");
  writeFile(folder / "file", "x");
  ui::DirList folders(form, "Dir1");
  int changes = 0;
  folders.onChange = [&] { ++changes; };
  ASSERT_TRUE(folders.setPath(folder.str()));
  ASSERT_TRUE(folders.setPath(folder.str() + "/"));
  EXPECT_EQ(changes, 1);
  const int current = folders.listIndex();
  EXPECT_EQ(folders.folderAt(current), folder.str());
  ASSERT_EQ(folders.count(), current + 3);
  EXPECT_EQ(folders.item(current + 1), std::string(2 * current + 2, ' ') + "A");
  EXPECT_EQ(folders.item(current + 2), std::string(2 * current + 2, ' ') + "b");
  EXPECT_EQ(folders.folderAt(0), pathText(std::filesystem::path(folder.str()).root_path()));
  EXPECT_FALSE(folders.setPath(pathText(folder / "missing")));
  EXPECT_EQ(folders.path(), folder.str());
  ASSERT_TRUE(folders.open(current + 1));
  EXPECT_EQ(folders.path(), pathText(folder / "A"));
  EXPECT_EQ(changes, 2);
}

TEST_F(Models, OptionButtonsExcludeEachOtherWithinTheirFrame) {
  ui::Frame frame(form, "Frame");
  ui::OptionButton a(form, "a"), b(form, "b"), inFrame(form, "c");
  inFrame.container = &frame;
  int clicks = 0;
  b.onClick = [&] { ++clicks; };
  a.setValue(true);
  inFrame.setValue(true);
  b.setValue(true);
  b.setValue(true);
  EXPECT_FALSE(a.value());
  EXPECT_TRUE(b.value());
  EXPECT_TRUE(inFrame.value());
  EXPECT_EQ(clicks, 1);
}

TEST_F(Models, ListRemovalKeepsTheChosenRow) {
  ui::ListBox list(form, "List");
  list.setItems({"a", "b", "c"});
  list.setListIndex(2);
  list.removeItem(0);
  EXPECT_EQ(list.listIndex(), 1);
  EXPECT_EQ(list.item(list.listIndex()), "c");
  list.removeItem(1);
  EXPECT_EQ(list.listIndex(), -1);
  list.removeItem(7);
  EXPECT_EQ(list.items(), std::vector<std::string>{"b"});
}

TEST_F(Models, RefusedValidationKeepsTheFocusAndBlocksTheClick) {
  ui::TextBox field(form, "TextBoxID");
  ui::Button button(form, "Command");
  std::vector<std::string> events;
  bool refuse = true;
  field.onValidate = [&] { events.push_back("validate"); return refuse; };
  field.onLostFocus = [&] { events.push_back("lost"); };
  button.onGotFocus = [&] { events.push_back("button focus"); };
  button.onClick = [&] { events.push_back("click"); };
  form.show();
  ASSERT_TRUE(type(field, "12"));
  EXPECT_NONFATAL_FAILURE(click(button), "kept the focus");
  refuse = false;
  ASSERT_TRUE(click(button));
  EXPECT_EQ(events, (std::vector<std::string>{"validate", "validate", "lost", "button focus",
                                              "click"}));
}

TEST_F(Models, DriverRefusesWhatAPersonCannotReach) {
  ui::Frame frame(form, "Frame");
  ui::Button button(form, "Command");
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  EXPECT_NONFATAL_FAILURE(click(button), "window is not shown");
  form.show();
  button.enabled = false;
  EXPECT_NONFATAL_FAILURE(click(button), "disabled");
  button.enabled = true;
  button.container = &frame;
  frame.visible = false;
  EXPECT_NONFATAL_FAILURE(click(button), "hidden");
  EXPECT_EQ(clicks, 0);
}

TEST_F(Models, ModalWindowRunsItsScriptedStep) {
  ui::Button ok(form, "OK");
  ok.onClick = [&] { form.hide(); };
  screen.whenModal("Test", [&](ui::Form&) { click(ok); });
  form.show(ui::Modality::Modal);
  EXPECT_FALSE(form.visible());
  EXPECT_EQ(screen.log, (std::vector<std::string>{"modal Test", "hidden Test"}));
  EXPECT_NONFATAL_FAILURE(form.show(ui::Modality::Modal), "unexpected modal window Test");
}

}  // namespace
}  // namespace mapsetdesk::testing
