#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/win/WinSystemFacts.h"

namespace mapsetdesk {
namespace {

// Shell folder numbers outside the three the system uses.
constexpr int kFolderControlPanel = 3;  // virtual: no path in the file system
constexpr int kFolderWindows = 36;

TEST(WinSystemFacts, TheThreeSpecialFoldersAreDistinctExistingFolders) {
  WinSystemFacts facts;
  const std::string roaming = facts.specialFolder(kFolderAppData);
  const std::string local = facts.specialFolder(kFolderLocalAppData);
  const std::string common = facts.specialFolder(kFolderCommonAppData);
  for (const std::string& path : {roaming, local, common}) {
    SCOPED_TRACE(path);
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.back(), '\\');
    EXPECT_TRUE(std::filesystem::is_directory(filePath(path)));
  }
  EXPECT_NE(roaming, local);
  EXPECT_NE(roaming, common);
  EXPECT_NE(local, common);
}

TEST(WinSystemFacts, FolderNumbersWithoutAPathReadEmpty) {
  WinSystemFacts facts;
  EXPECT_EQ(facts.specialFolder(200), "");
  EXPECT_EQ(facts.specialFolder(255), "");
  EXPECT_EQ(facts.specialFolder(-1), "");
  EXPECT_EQ(facts.specialFolder(kFolderControlPanel), "");
}

TEST(WinSystemFacts, WinDirIsTheShellsWindowsFolderWithoutTrailingBackslash) {
  WinSystemFacts facts;
  const std::string windows = facts.WinDir();
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(windows.back(), '\\');
  EXPECT_EQ(windows, facts.specialFolder(kFolderWindows));
  EXPECT_TRUE(std::filesystem::is_directory(filePath(windows + "\\system32")));
}

TEST(WinSystemFacts, UserNameIsTheLoginNameWithinThirtyNineCharacters) {
  WinSystemFacts facts;
  const std::string name = facts.myGetUserName();
  ASSERT_FALSE(name.empty());
  EXPECT_LE(name.size(), 39u);
  EXPECT_EQ(name.find('\0'), std::string::npos);
  const char* environmentName = std::getenv("USERNAME");
  ASSERT_NE(environmentName, nullptr);
  EXPECT_EQ(name, fromAnsi(environmentName));
}

}  // namespace
}  // namespace mapsetdesk
