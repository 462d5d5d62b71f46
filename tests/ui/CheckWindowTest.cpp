// The health check window over an installation with one broken mapset for
// each fault: the menu entry opens it with the findings listed, its button
// repairs (asking before a registration is removed) and a second check
// lists only what cannot be repaired.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/messages/CheckTexts.h"
#include "support/BrokenInstallation.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

const std::string kBase = "SOFTWARE\\Wow6432Node";

long rowsStarting(const ui::ListBox& list, const std::string& prefix) {
  return std::count_if(list.items().begin(), list.items().end(),
                       [&prefix](const std::string& row) { return row.starts_with(prefix); });
}

class CheckWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    program.storeSetting("Wow64", "wahr");
    ASSERT_TRUE(installation.mapsets.available()) << kNoGarminFiles;
    installation.makeAll();
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::FormPruefen& open() {
    auto& windows = program.start();
    EXPECT_EQ(windows.main.MnuPruefen.caption, texts.caption);
    EXPECT_TRUE(click(windows.main.MnuPruefen));
    EXPECT_TRUE(windows.pruefen.visible());
    return windows.pruefen;
  }

  ProgramHarness program;
  const CheckTexts& texts = checkTexts(Sprache::Deutsch);
  BrokenInstallation installation{program.memory, kBase, "SOFTWARE", program.folder / "Karten",
                                  gmapFolders(program.memory, program.facts, kBase)};
};

TEST_F(CheckWindow, ListsTheFindingsAndItsButtonRepairsAfterTheQuestion) {
  auto& window = open();
  EXPECT_EQ(window.caption, texts.caption);
  EXPECT_EQ(window.CmdReparieren.caption, texts.cmdReparieren);
  EXPECT_EQ(window.CmdPruefen.caption, texts.cmdPruefen);
  EXPECT_EQ(window.ListBefunde.count(), 14);
  EXPECT_TRUE(window.CmdReparieren.usable());

  program.dialogs.answer(Answer::Yes);
  EXPECT_TRUE(click(window.CmdReparieren));
  const Message question = program.dialogs.take();
  EXPECT_TRUE(question.text.starts_with(texts.askRemoval)) << question.text;
  EXPECT_NE(question.text.find(installation.folderOf(kOrphaned).filename().string()),
            std::string::npos);
  EXPECT_EQ(question.title, "ZORVAN");
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  // The catalogue is read afresh and tells of the damaged package again.
  const Message damaged = program.dialogs.take();
  EXPECT_NE(damaged.text.find(kDamagedPackage), std::string::npos) << damaged.text;
  EXPECT_EQ(rowsStarting(window.ListBefunde, texts.repaired), 12);
  EXPECT_EQ(rowsStarting(window.ListBefunde, texts.notRepaired), 2);
  EXPECT_FALSE(window.CmdReparieren.usable());
  const auto& rows = program.windows().main.registryCatalogue().rows;
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                          [](const CatalogueRow& row) { return row.cells.name == kTdbMissing; }),
            0);

  EXPECT_TRUE(click(window.CmdPruefen));
  EXPECT_EQ(window.ListBefunde.count(), 2);
  for (const std::string& row : window.ListBefunde.items())
    EXPECT_TRUE(row.ends_with("\t" + texts.repairs[0])) << row;
  EXPECT_FALSE(window.CmdReparieren.usable());
}

}  // namespace
}  // namespace mapsetdesk::testing
