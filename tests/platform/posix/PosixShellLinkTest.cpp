// The shortcut to a package outside the map folders: on POSIX a symbolic
// link, made anew over an earlier one.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/ShellLink.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

TEST(PosixShellLink, LinksToTheFolderAndReplacesAnEarlierLink) {
  TempDir folder;
  fs::create_directories(folder / "Karten" / "Harz.gmap");
  fs::create_directories(folder / "Alt.gmap");
  const std::string link = pathText(folder / "Link_Harz.lnk");
  ASSERT_TRUE(createShortcut(link, pathText(folder / "Alt.gmap")));
  ASSERT_TRUE(createShortcut(link, pathText(folder / "Karten" / "Harz.gmap")));
  EXPECT_EQ(fs::read_symlink(folder / "Link_Harz.lnk"), folder / "Karten" / "Harz.gmap");
  EXPECT_FALSE(createShortcut(pathText(folder / "fehlt" / "Link_X.lnk"), folder.str()))
      << "a folder that is not there refuses the link";
}

}  // namespace
}  // namespace mapsetdesk::testing
