// The shortcut to a package outside the map folders: a shell link file that
// the shell resolves to the package folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/ShellLink.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

TEST(WinShellLink, WritesAShellLinkFile) {
  TempDir folder;
  fs::create_directories(folder / "Karten" / "Harz.gmap");
  const fs::path link = folder / "Link_Harz.lnk";
  ASSERT_TRUE(createShortcut(pathText(link), pathText(folder / "Karten" / "Harz.gmap")));
  const std::string bytes = readFile(link);
  ASSERT_GE(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x4C\0\0\0", 4)) << "the shell link header";
  EXPECT_FALSE(createShortcut(pathText(folder / "fehlt" / "Link_X.lnk"), folder.str()));
}

}  // namespace
}  // namespace mapsetdesk::testing
