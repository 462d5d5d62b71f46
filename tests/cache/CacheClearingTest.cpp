// Emptying a tile cache: the files directly in it go one by one, folders
// below it stay, and what stays is reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "cache/CacheClearing.h"
#include "cache/CacheMessages.h"
#include "platform/FilePath.h"
#include "support/FakeSystemFacts.h"
#include "support/PartlyDenyingFolderOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::FakeSystemFacts;
using testing::PartlyDenyingFolderOps;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::writeFile;

constexpr std::uint64_t kMB = 1048476;

class CacheClearingTest : public ::testing::Test {
 protected:
  void SetUp() override { facts.folders[kFolderLocalAppData] = pathText(dir / "Local"); }
  fs::path cache() { return filePath(tileCacheFolder(facts, TileCache::BaseCamp)); }
  void fileOfSize(const fs::path& file, std::uintmax_t bytes) {
    writeFile(file, "");
    fs::resize_file(file, bytes);
  }
  // Three tiles directly in the cache, one MB of tiles in a folder below it.
  void fillCache() {
    fileOfSize(cache() / "1.tile", 5000);
    fileOfSize(cache() / "2.tile", 6000);
    fileOfSize(cache() / "3.tile", kMB);
    fileOfSize(cache() / "level" / "4.tile", kMB / 2);
    fileOfSize(cache() / "level" / "deeper" / "5.tile", kMB - kMB / 2);
  }
  CacheClearing clear() {
    return clearTileCache(facts, folders, TileCache::BaseCamp, [this] {
      ++eventRuns;
      steps.push_back("events");
    });
  }

  TempDir dir;
  FakeSystemFacts facts;
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> system = openSystemFolderOps(dialogs);
  PartlyDenyingFolderOps folders{*system};
  int eventRuns = 0;
  std::vector<std::string> steps;
};

TEST_F(CacheClearingTest, DeletesTheFilesDirectlyInTheCacheAndKeepsTheFoldersBelow) {
  fillCache();
  const CacheClearing clearing = clear();
  EXPECT_EQ(clearing.outcome.status, ClearStatus::Emptied);
  EXPECT_EQ(clearing.outcome.deleted, 3u);
  EXPECT_EQ(clearing.outcome.notDeleted, 0u);
  EXPECT_FALSE(fs::exists(cache() / "1.tile"));
  EXPECT_FALSE(fs::exists(cache() / "3.tile"));
  EXPECT_TRUE(fs::exists(cache() / "level" / "4.tile"));
  EXPECT_TRUE(fs::exists(cache() / "level" / "deeper" / "5.tile"));
  EXPECT_EQ(clearing.left.state, CacheState::Measured);
  EXPECT_EQ(clearing.left.bytes, kMB);
  EXPECT_EQ(clearing.left.megabytes(), 1u);
}

TEST_F(CacheClearingTest, TheWindowsRunAfterEachFile) {
  fillCache();
  folders.beforeRemoval = [this] { steps.push_back("delete"); };
  clear();
  EXPECT_EQ(eventRuns, 3);
  EXPECT_EQ(steps,
            (std::vector<std::string>{"delete", "events", "delete", "events", "delete", "events"}));
  EXPECT_EQ(folders.asked.size(), 3u);
}

TEST_F(CacheClearingTest, AMissingCacheIsReportedAndNotCreated) {
  const CacheClearing clearing = clear();
  EXPECT_EQ(clearing.outcome.status, ClearStatus::Missing);
  EXPECT_EQ(clearing.left.state, CacheState::Missing);
  EXPECT_FALSE(fs::exists(cache()));
  EXPECT_TRUE(folders.asked.empty());
  EXPECT_EQ(eventRuns, 0);
}

TEST_F(CacheClearingTest, AnEmptyCacheStaysAndShowsNothingLeft) {
  fs::create_directories(cache());
  const CacheClearing clearing = clear();
  EXPECT_EQ(clearing.outcome.status, ClearStatus::Emptied);
  EXPECT_EQ(clearing.outcome.deleted, 0u);
  EXPECT_TRUE(fs::is_directory(cache()));
  EXPECT_EQ(cacheClearedMessage(clearing, Sprache::Deutsch).text, "0 MB im Tilecache");
}

TEST_F(CacheClearingTest, AFileThatCannotBeDeletedDoesNotEndTheEmptying) {
  fillCache();
  folders.held = {"1.tile"};
  const CacheClearing clearing = clear();
  EXPECT_EQ(clearing.outcome.deleted, 2u);
  EXPECT_EQ(clearing.outcome.notDeleted, 1u);
  EXPECT_TRUE(fs::exists(cache() / "1.tile"));
  EXPECT_FALSE(fs::exists(cache() / "2.tile"));
  EXPECT_FALSE(fs::exists(cache() / "3.tile"));
  EXPECT_EQ(eventRuns, 3);
  EXPECT_EQ(clearing.left.bytes, kMB + 5000);
}

TEST_F(CacheClearingTest, MessagesAfterEmptying) {
  fillCache();
  folders.held = {"1.tile", "2.tile"};
  const CacheClearing clearing = clear();
  const Message german = cacheClearedMessage(clearing, Sprache::Deutsch);
  EXPECT_EQ(german.text,
            "1 MB im Tilecache\n2 Datei(en) konnten nicht gelöscht werden: ein laufendes "
            "Programm benutzt sie, oder sie sind schreibgeschützt.");
  EXPECT_EQ(german.title, "ZORVAN");
  EXPECT_EQ(german.icon, Icon::Exclamation);
  EXPECT_EQ(cacheClearedMessage(clearing, Sprache::English).text,
            "1 MB im Tilecache\n2 file(s) could not be deleted: a running program uses them, or "
            "they are write-protected.");

  CacheClearing clean = clearing;
  clean.outcome.notDeleted = 0;
  const Message plain = cacheClearedMessage(clean, Sprache::English);
  EXPECT_EQ(plain.text, "1 MB im Tilecache");
  EXPECT_EQ(plain.icon, Icon::Information);
  EXPECT_EQ(plain.buttons, Buttons::Ok);
}

TEST_F(CacheClearingTest, WhatIsLeftUnreadableShowsTheAccessDeniedLabel) {
  fillCache();
  const CacheClearing clearing = clearTileCache(
      facts, folders, TileCache::BaseCamp, [] {},
      [](const std::string&) { return std::optional<std::uint64_t>(); });
  EXPECT_EQ(clearing.outcome.deleted, 3u);
  const Message message = cacheClearedMessage(clearing, Sprache::Deutsch);
  EXPECT_EQ(message.text, facts.folders[kFolderLocalAppData] +
                              "\\GARMIN\\Basecamp\\TileCache: Zugriff verweigert");
  EXPECT_EQ(message.icon, Icon::Exclamation);
}

TEST(CacheMessages, NotExistingAndLink) {
  const Message missing = cacheNotExistingMessage(tileCacheFacts(TileCache::MapSource).notExisting);
  EXPECT_EQ(missing.text, "Folder \\GARMIN\\MapSource\\TileCache is not existing");
  EXPECT_EQ(missing.title, "ZORVAN");
  EXPECT_EQ(cacheNotExistingMessage(tileCacheFacts(TileCache::BaseCamp).notExisting).text,
            "Folder Garmin\\BaseCamp\\TileCache is not existing");
  EXPECT_EQ(cacheNotExistingMessage(tileCacheFacts(TileCache::MapInstall).notExisting).text,
            "Folder \\GARMIN\\Mapinstall\\Tilecache is not existing");
  EXPECT_EQ(cacheLinkMessage("C:\\Cache", Sprache::English).text,
            "The folder is a link to another folder and was not emptied: C:\\Cache");
  EXPECT_EQ(cacheLinkMessage("C:\\Cache", Sprache::Deutsch).text,
            "Der Ordner ist eine Verknüpfung zu einem anderen Ordner und wurde nicht geleert: "
            "C:\\Cache");
}

}  // namespace
}  // namespace mapsetdesk
