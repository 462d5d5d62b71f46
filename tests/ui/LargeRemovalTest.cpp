// A removal larger than the change history may hold: the history would drop
// it at the next start, so the window asks before it removes for good.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/HistoryTexts.h"
#include "app/messages/MessageKeys.h"
#include "history/Journal.h"
#include "platform/FileReplace.h"
#include "platform/FilePath.h"
#include "platform/Permissions.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

TEST(LargeRemoval, APackageLargerThanTheHistoryGoesOnlyWhenThePersonDoesWithoutUndo) {
  ProgramHarness program;
  RealMapsets mapsets;
  ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
  program.storeSetting("Wow64", "falsch");
  program.storeSetting("HistoryMB", "1");
  const fs::path package =
      mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps", "Harz Familie");
  ASSERT_TRUE(replaceFile(pathText(package / "filler.bin"), std::string(1024 * 1024, 'x')));
  program.start();
  ui::fMain& main = program.windows().main;
  ASSERT_TRUE(click(main.CommandKartenentfernen));
  if (grantsRights()) {
    EXPECT_EQ(program.dialogs.take().text, kSetAclMissing);
  }
  const HistoryTexts texts = historyTexts(Sprache::Deutsch);
  const std::string question = texts.tooLarge + "1" + texts.tooLargeEnd;
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    program.dialogs.answer(answer);
    if (answer == Answer::Yes) program.dialogs.answer(Answer::Yes);
    ASSERT_TRUE(dblClick(main.ListMapsetGMP, 0));
    const Message asked = program.dialogs.take();
    EXPECT_EQ(asked.text, question);
    EXPECT_EQ(asked.title, "ZORVAN");
    EXPECT_EQ(asked.buttons, Buttons::YesNo);
    EXPECT_EQ(asked.icon, Icon::Exclamation);
    if (answer == Answer::Yes) {
      EXPECT_EQ(program.dialogs.take().text, program.session->texts.text(key::Satz21));
    }
    EXPECT_EQ(fs::exists(package), answer == Answer::No);
  }
  EXPECT_EQ(main.ListMapsetGMP.count(), 0);
  const Journal journal(Journal::folderFor(program.facts));
  for (const JournalListing& entry : journal.entries())
    EXPECT_NE(entry.manifest.header.action, "remove") << "nothing kept that could be undone";
  program.dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
