// The history window, opened from the menu: it lists the changes newest
// first with their state and the history's size, and undoes the chosen one
// after asking, with the catalogue read afresh.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/HistoryTexts.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class HistoryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    files = mapsets.make(program.folder / "Karten", "alpen", "Alpenkarte", 1234, 1);
    registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Alpen1234", 1234,
                          "1", files);
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  void expectMessage(const std::string& text, Buttons buttons, Icon icon) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, buttons);
    EXPECT_EQ(shown.icon, icon);
  }

  void rename(ui::fMain& main, const std::string& name) {
    ASSERT_TRUE(click(main.CommandMapnameAendern));
    ASSERT_TRUE(dblClick(main.ListMapsetName, 0));
    ASSERT_TRUE(type(main.TextMapsetname, name));
    ASSERT_TRUE(click(main.CommandNameuebernehmen));
    program.dialogs.take();  // the backup, then the new name
    program.dialogs.take();
  }

  ProgramHarness program;
  RealMapsets mapsets;
  MapsetFiles files;
  HistoryTexts texts = historyTexts(Sprache::Deutsch);
};

TEST_F(HistoryWindow, ListsTheRenameAndUndoesItByteForByteAfterTheQuestion) {
  const std::string before = readFile(filePath(files.tdb));
  ui::ProgramWindows& windows = program.start();
  rename(windows.main, "Neu");
  ASSERT_TRUE(click(windows.main.MnuVerlauf));
  ui::FormVerlauf& verlauf = windows.verlauf;
  EXPECT_EQ(verlauf.caption, "Verlauf");
  EXPECT_EQ(verlauf.LabelHinweis.caption, texts.cacheNote);
  EXPECT_EQ(verlauf.LabelGroesse.caption, texts.journalSize + "0");
  ASSERT_EQ(verlauf.ListVerlauf.items().size(), 1u);
  const std::string row = verlauf.ListVerlauf.item(0);
  EXPECT_EQ(row.substr(row.find('\t')), "\trename\tAlpenkarte\t" + texts.complete);

  program.dialogs.answer(Answer::No);
  ASSERT_TRUE(click(verlauf.CmdRueckgaengig));
  expectMessage(texts.askUndo + "000001 rename Alpenkarte", Buttons::YesNo, Icon::Question);
  EXPECT_NE(readFile(filePath(files.tdb)), before);

  program.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(click(verlauf.CmdRueckgaengig));
  expectMessage(texts.askUndo + "000001 rename Alpenkarte", Buttons::YesNo, Icon::Question);
  expectMessage(texts.undone + "000001 rename Alpenkarte", Buttons::Ok, Icon::Information);
  EXPECT_EQ(readFile(filePath(files.tdb)), before);
  EXPECT_FALSE(fs::exists(filePath(files.tdb + "-BAK")));
  EXPECT_EQ(windows.main.ListMapsetName.items(), std::vector<std::string>{"Alpenkarte"});
  ASSERT_EQ(verlauf.ListVerlauf.items().size(), 2u);
  EXPECT_NE(verlauf.ListVerlauf.item(0).find("\tundo\tAlpenkarte\t" + texts.complete),
            std::string::npos);
  EXPECT_NE(verlauf.ListVerlauf.item(1).find("\t" + texts.undoneState), std::string::npos);

  ASSERT_TRUE(click(verlauf.CmdRueckgaengig));
  expectMessage(texts.nothingToUndo, Buttons::Ok, Icon::Exclamation);
}

TEST_F(HistoryWindow, AnUndoAfterAnOutsideChangeIsRefusedNamingTheFile) {
  ui::ProgramWindows& windows = program.start();
  rename(windows.main, "Neu");
  writeFile(filePath(files.tdb), "changed outside");
  ASSERT_TRUE(click(windows.main.MnuVerlauf));
  ASSERT_TRUE(click(windows.verlauf.CmdRueckgaengig));
  expectMessage(texts.changedSince + files.tdb, Buttons::Ok, Icon::Exclamation);
  EXPECT_EQ(readFile(filePath(files.tdb)), "changed outside");
}

}  // namespace
}  // namespace mapsetdesk::testing
