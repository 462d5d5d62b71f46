#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// Sets or clears one environment variable for the life of the guard.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PosixDataRoot, OwnVariableComesBeforeXdgBeforeHome) {
  ScopedEnv home("HOME", "/home/karla");
  {
    ScopedEnv own("MAPSETDESK_HOME", "/srv/maps");
    ScopedEnv xdg("XDG_DATA_HOME", "/data");
    EXPECT_EQ(defaultDataRoot(), "/srv/maps");
  }
  {
    ScopedEnv own("MAPSETDESK_HOME", std::nullopt);
    ScopedEnv xdg("XDG_DATA_HOME", "/data");
    EXPECT_EQ(defaultDataRoot(), "/data/mapsetdesk");
  }
  {
    ScopedEnv own("MAPSETDESK_HOME", std::nullopt);
    ScopedEnv xdg("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(defaultDataRoot(), "/home/karla/.local/share/mapsetdesk");
  }
}

TEST(PosixDataRoot, EmptyAndRelativeVariablesAreIgnored) {
  ScopedEnv home("HOME", "/home/karla");
  ScopedEnv own("MAPSETDESK_HOME", "");
  {
    ScopedEnv xdg("XDG_DATA_HOME", "");
    EXPECT_EQ(defaultDataRoot(), "/home/karla/.local/share/mapsetdesk");
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(defaultDataRoot(), "/home/karla/.local/share/mapsetdesk");
  }
}

TEST(PosixDataRoot, GivenRootWinsAndIsMadeAbsolute) {
  TempDir temp;
  ScopedEnv own("MAPSETDESK_HOME", temp.str());
  EXPECT_EQ(dataRootFor({}), temp.str());
  EXPECT_EQ(dataRootFor({"/srv/other/", false}), "/srv/other");
  const fs::path relative = dataRootFor({"some/where", false});
  EXPECT_TRUE(relative.is_absolute());
  EXPECT_EQ(relative, fs::current_path() / "some" / "where");
  EXPECT_EQ(storageLocations({"/srv/other", false}).registry, "/srv/other/registry");
}

TEST(PosixFacts, WindowsAndSpecialFoldersLieBelowTheDataRoot) {
  TempDir root;
  const auto facts = openSystemFacts({root.str() + "/", false});
  EXPECT_EQ(facts->WinDir(), root.str() + "/Windows");
  EXPECT_EQ(facts->specialFolder(kFolderCommonAppData), root.str() + "/ProgramData");
  EXPECT_EQ(facts->specialFolder(kFolderAppData), root.str() + "/AppData/Roaming");
  EXPECT_EQ(facts->specialFolder(kFolderLocalAppData), root.str() + "/AppData/Local");
  EXPECT_EQ(facts->specialFolder(kFolderPersonal), root.str() + "/Documents");
}

TEST(PosixFacts, SpecialFoldersAreCreatedOnFirstUse) {
  TempDir temp;
  const fs::path root = temp / "fresh";
  const auto facts = openSystemFacts({root.string(), false});
  EXPECT_FALSE(fs::exists(root / "ProgramData"));
  EXPECT_TRUE(fs::is_directory(facts->specialFolder(kFolderCommonAppData)));
  EXPECT_TRUE(fs::is_directory(facts->specialFolder(kFolderAppData)));
  EXPECT_TRUE(fs::is_directory(facts->specialFolder(kFolderLocalAppData)));
  EXPECT_TRUE(fs::is_directory(root / "AppData" / "Local"));
  EXPECT_TRUE(fs::is_directory(facts->specialFolder(kFolderPersonal)));
}

TEST(PosixFacts, UnknownFolderNumbersYieldEmptyTextAndCreateNothing) {
  TempDir root;
  const auto facts = openSystemFacts({root.str(), false});
  for (const int folder : {-1, 0, 6, 27, 36, 0x1a00}) EXPECT_EQ(facts->specialFolder(folder), "");
  EXPECT_TRUE(fs::is_empty(root.path()));
}

TEST(PosixFacts, IsNoWindowsAndNamesTheLoginUser) {
  TempDir root;
  const auto facts = openSystemFacts({root.str(), false});
  EXPECT_EQ(facts->versionName(), "");
  const std::string name = facts->myGetUserName();
  EXPECT_LE(name.size(), 39u);
  const passwd* entry = getpwuid(getuid());
  if (entry && std::string(entry->pw_name).size() <= 39) {
    EXPECT_EQ(name, entry->pw_name);
  }
}

}  // namespace
}  // namespace mapsetdesk
