// A gmap package can hold a symbolic link to a folder elsewhere; removing the
// package must delete the link, never the files it points to. A failed copy
// is told in the words of the system.
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

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

TEST(PosixFolderOps, AFailedCopyTellsTheSystemsOwnDescription) {
  TempDir folder;
  ScriptedDialogs dialogs;
  const auto ops = openSystemFolderOps(dialogs);
  const std::string source = (folder / "Fehlt").string();
  EXPECT_FALSE(ops->copyFolder(source, (folder / "Ziel").string()));
  EXPECT_EQ(dialogs.take().text,
            "Following error occurd while copying folder " + source + "\n" +
                std::make_error_code(std::errc::no_such_file_or_directory).message());
  dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
