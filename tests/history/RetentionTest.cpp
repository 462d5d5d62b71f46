// The history cut to its limits at start: entries past the days allowed go,
// then the oldest while the history is larger than allowed; an entry an
// interrupted run left stays for its rollback.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/FileBytes.h"
#include "history/Retention.h"
#include "platform/FileReplace.h"
#include "support/TempDir.h"
#include "support/TestRegistry.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kDay = 24 * 60 * 60;

class Retention : public ::testing::Test {
 protected:
  // A finished entry that kept a file of the given size.
  void change(const std::string& name, std::size_t bytes) {
    const fs::path file = dir / name;
    writeFile(file, std::string(bytes, 'x'));
    auto entry = journal.begin("rename", name);
    ASSERT_TRUE(entry);
    ASSERT_TRUE(entry->keepFile(pathText(file)));
    ASSERT_TRUE(replaceFile(pathText(file), "changed"));
    ASSERT_TRUE(entry->complete(test.registry()));
  }

  std::vector<std::string> ids() const {
    std::vector<std::string> listed;
    for (const JournalListing& entry : journal.entries()) listed.push_back(entry.id);
    return listed;
  }

  TestRegistry test{TestRegistry::Kind::Memory};
  TempDir dir;
  Journal journal{dir / "History"};
};

TEST_F(Retention, EntriesPastTheDaysAllowedGoAndTheRestStay) {
  change("a", 10);
  change("b", 10);
  const std::time_t now = std::time(nullptr);
  EXPECT_TRUE(trimJournal(journal, {30, 2048}, now + 29 * kDay).empty());
  EXPECT_EQ(ids(), (std::vector<std::string>{"000001", "000002"}));
  EXPECT_EQ(trimJournal(journal, {30, 2048}, now + 31 * kDay),
            (std::vector<std::string>{"000001", "000002"}));
  EXPECT_TRUE(ids().empty());
  EXPECT_FALSE(fs::exists(dir / "History" / "000001"));
}

TEST_F(Retention, TheOldestGoWhileTheHistoryIsLargerThanAllowed) {
  for (const char* name : {"a", "b", "c"}) change(name, 600 * 1024);
  EXPECT_EQ(trimJournal(journal, {30, 1}, std::time(nullptr)),
            (std::vector<std::string>{"000001", "000002"}));
  EXPECT_EQ(ids(), std::vector<std::string>{"000003"});
  EXPECT_TRUE(trimJournal(journal, {30, 1}, std::time(nullptr)).empty());
}

TEST_F(Retention, AnEntryAnInterruptedRunLeftStaysForItsRollback) {
  {
    auto entry = journal.begin("remove", "a");
    ASSERT_TRUE(entry);
  }
  change("b", 10);
  EXPECT_EQ(trimJournal(journal, {30, 2048}, std::time(nullptr) + 31 * kDay),
            std::vector<std::string>{"000002"});
  EXPECT_EQ(ids(), std::vector<std::string>{"000001"});
}

}  // namespace
}  // namespace mapsetdesk::testing
