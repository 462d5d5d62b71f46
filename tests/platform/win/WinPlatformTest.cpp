#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/Drives.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

TEST(WinPlatform, JoinPathUsesBackslashesAndAddsNoSecondSeparator) {
  EXPECT_EQ(joinPath("C:\\Garmin", "Maps"), "C:\\Garmin\\Maps");
  EXPECT_EQ(joinPath("C:\\", "Garmin"), "C:\\Garmin");
  EXPECT_EQ(joinPath("C:\\Garmin\\", "Maps"), "C:\\Garmin\\Maps");
  EXPECT_EQ(joinPath("C:/Garmin/", "Maps"), "C:/Garmin/Maps");
  EXPECT_EQ(joinPath("", "Maps"), "Maps");
}

TEST(WinPlatform, ExecutableFolderHoldsTheRunningProgram) {
  const std::string folder = executableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(std::filesystem::is_regular_file(filePath(joinPath(folder, "platform_tests.exe"))));
}

TEST(WinPlatform, DriveRootsAreTheLettersInUseWithColonAndBackslash) {
  const auto roots = driveRoots();
  EXPECT_NE(std::find(roots.begin(), roots.end(), "c:\\"), roots.end());
  for (const std::string& root : roots) {
    ASSERT_EQ(root.size(), 3u) << root;
    EXPECT_TRUE(root[0] >= 'a' && root[0] <= 'z') << root;
    EXPECT_EQ(root.substr(1), ":\\");
  }
}

TEST(WinPlatform, WindowsKeepsNoDataRootOfItsOwn) { EXPECT_EQ(defaultDataRoot(), ""); }

}  // namespace
}  // namespace mapsetdesk
