// A gmap package can hold a symbolic link to a folder elsewhere; removing the
// package must delete the link, never the files it points to.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FolderOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

TEST(PosixFolderOps, RemoveFolderDeletesALinkButNotWhatItPointsTo) {
  TempDir folder;
  ScriptedDialogs dialogs;
  writeFile(folder / "Paket.gmap" / "Info.xml", "x");
  writeFile(folder / "Fremd" / "Karte.img", "img");
  fs::create_directory_symlink(folder / "Fremd", folder / "Paket.gmap" / "Verweis");

  const auto removed = openSystemFolderOps(dialogs)->removeFolder((folder / "Paket.gmap").string());

  EXPECT_EQ(removed.status, RemoveStatus::Removed);
  EXPECT_FALSE(fs::exists(folder / "Paket.gmap"));
  EXPECT_EQ(readFile(folder / "Fremd" / "Karte.img"), "img");
  dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
