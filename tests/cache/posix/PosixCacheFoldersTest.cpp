// Links in and as a cache folder, which emptying never reaches through, and
// a cache folder without write or read permission.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "cache/CacheClearing.h"
#include "platform/FilePath.h"
#include "support/FakeSystemFacts.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::FakeSystemFacts;
using testing::readFile;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::writeFile;

class PosixCacheFolders : public ::testing::Test {
 protected:
  void SetUp() override { facts.folders[kFolderAppData] = pathText(dir / "Roaming"); }
  fs::path cache() { return filePath(tileCacheFolder(facts, TileCache::MapSource)); }
  CacheClearing clear() {
    return clearTileCache(facts, *folders, TileCache::MapSource, [] {});
  }

  TempDir dir;
  FakeSystemFacts facts;
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> folders = openSystemFolderOps(dialogs);
};

TEST_F(PosixCacheFolders, ACacheFolderThatLinksElsewhereIsNotEmptied) {
  const fs::path elsewhere = dir / "Documents";
  writeFile(elsewhere / "letter.txt", "keep me");
  fs::create_directories(cache().parent_path());
  fs::create_directory_symlink(elsewhere, cache());
  const CacheClearing clearing = clear();
  EXPECT_EQ(clearing.outcome.status, ClearStatus::Link);
  EXPECT_EQ(clearing.outcome.deleted, 0u);
  EXPECT_TRUE(fs::exists(elsewhere / "letter.txt"));
  EXPECT_EQ(clearing.left.folder, pathText(cache()));
}

TEST_F(PosixCacheFolders, LinksInsideTheCacheGoButNotWhatTheyPointTo) {
  const fs::path elsewhere = dir / "Documents";
  writeFile(elsewhere / "letter.txt", "keep me");
  writeFile(cache() / "1.tile", "tile");
  fs::create_symlink(elsewhere / "letter.txt", cache() / "letter-link");
  fs::create_directory_symlink(elsewhere, cache() / "folder-link");
  const CacheClearing clearing = clear();
  EXPECT_EQ(clearing.outcome.deleted, 2u);
  EXPECT_FALSE(fs::exists(fs::symlink_status(cache() / "letter-link")));
  EXPECT_TRUE(fs::is_symlink(cache() / "folder-link"));
  EXPECT_EQ(readFile(elsewhere / "letter.txt"), "keep me");
  // The linked folder below is not entered when the size is read.
  EXPECT_EQ(clearing.left.bytes, 0u);
}

// Root passes every permission check, so while a case below checks one,
// root acts as the ordinary user "nobody", for whom the folder's bits count.
class OrdinaryUser {
 public:
  OrdinaryUser() : wasRoot_(geteuid() == 0) {
    if (wasRoot_) {
      EXPECT_EQ(seteuid(kNobody), 0);
    }
  }
  ~OrdinaryUser() {
    if (wasRoot_) {
      EXPECT_EQ(seteuid(0), 0);
    }
  }
  OrdinaryUser(const OrdinaryUser&) = delete;
  OrdinaryUser& operator=(const OrdinaryUser&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  bool wasRoot_;
};

TEST_F(PosixCacheFolders, FilesInAWriteProtectedCacheAreCountedAsNotDeleted) {
  writeFile(cache() / "1.tile", "tile");
  writeFile(cache() / "2.tile", "tile");
  fs::permissions(cache(), fs::perms::owner_write, fs::perm_options::remove);
  CacheClearing clearing;
  {
    const OrdinaryUser user;
    clearing = clear();
  }
  fs::permissions(cache(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(clearing.outcome.notDeleted, 2u);
  EXPECT_EQ(clearing.outcome.deleted, 0u);
}

TEST_F(PosixCacheFolders, AFolderBelowTheCacheThatCannotBeReadMakesTheCacheUnreadable) {
  writeFile(cache() / "locked" / "1.tile", "tile");
  fs::permissions(cache() / "locked", fs::perms::none);
  CacheReading reading;
  {
    const OrdinaryUser user;
    reading = readTileCache(facts, TileCache::MapSource);
  }
  fs::permissions(cache() / "locked", fs::perms::owner_all);
  EXPECT_EQ(reading.state, CacheState::Unreadable);
}

}  // namespace
}  // namespace mapsetdesk
