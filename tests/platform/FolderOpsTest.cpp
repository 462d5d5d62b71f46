// Folder copy and browse, the last folder name, and the deletions the
// catalogue's removals make, on real folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "platform/Platform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// The separator of this system, as joinPath puts it.
std::string separator() { return joinPath("a", "b").substr(1, 1); }

class FolderOpsTest : public ::testing::Test {
 protected:
  void TearDown() override { dialogs.expectAllTaken(); }
  std::string at(const std::string& relative) const { return pathText(folder / relative); }

  TempDir folder;
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> ops = openSystemFolderOps(dialogs);
};

TEST(LastFolderName, IsTheSeparatorAndTheLastName) {
  const std::string s = separator();
  EXPECT_EQ(lastFolderName(joinPath(joinPath("Karten", "Maps"), "Topo")), s + "Topo");
  EXPECT_EQ(lastFolderName("Topo"), s + "Topo");
  EXPECT_EQ(lastFolderName(joinPath("Maps", "")), s);
  EXPECT_EQ(lastFolderName(""), s);
}

TEST(BrowseForFolder, GivesTheChosenFolderOrNothing) {
  ScriptedDialogs dialogs;
  dialogs.folder(std::string("D:\\Karten"));
  dialogs.folder(std::nullopt);
  EXPECT_EQ(browseForFolder(dialogs, "Ordner wählen"), "D:\\Karten");
  EXPECT_EQ(browseForFolder(dialogs, "Ordner wählen"), "");
  ASSERT_EQ(dialogs.choosers().size(), 2u);
  EXPECT_EQ(dialogs.choosers()[0].kind, ChooserCall::Folder);
  EXPECT_EQ(dialogs.choosers()[0].title, "Ordner wählen");
}

TEST_F(FolderOpsTest, CopyPutsTheFolderIntoAnExistingDestination) {
  writeFile(folder / "Quelle" / "Topo" / "a.img", "kachel");
  writeFile(folder / "Quelle" / "Topo" / "unter" / "b.txt", "text");
  fs::create_directories(folder / "Ziel");
  EXPECT_TRUE(ops->copyFolder(at("Quelle/Topo"), at("Ziel")));
  EXPECT_EQ(readFile(folder / "Ziel" / "Topo" / "a.img"), "kachel");
  EXPECT_EQ(readFile(folder / "Ziel" / "Topo" / "unter" / "b.txt"), "text");
  EXPECT_TRUE(fs::exists(folder / "Quelle" / "Topo" / "a.img"));
}

TEST_F(FolderOpsTest, CopyToAMissingDestinationMakesItTheCopy) {
  writeFile(folder / "Topo" / "a.img", "kachel");
  EXPECT_TRUE(ops->copyFolder(at("Topo"), at("Neu")));
  EXPECT_EQ(readFile(folder / "Neu" / "a.img"), "kachel");
}

TEST_F(FolderOpsTest, AFailedCopyTellsTheSourceAndTheReason) {
  fs::create_directories(folder / "Ziel");
  const std::string source = at("Fehlt");
  EXPECT_FALSE(ops->copyFolder(source, at("Ziel")));
  const Message shown = dialogs.take();
  const std::string lead = "Following error occurd while copying folder " + source + "\n";
  EXPECT_EQ(shown.text.substr(0, lead.size()), lead);
  EXPECT_GT(shown.text.size(), lead.size());
  EXPECT_EQ(shown.title, "Error message");
  EXPECT_EQ(shown.icon, Icon::Exclamation);
  EXPECT_EQ(shown.buttons, Buttons::Ok);
}

TEST_F(FolderOpsTest, RemoveFileDeletesFilesOnly) {
  writeFile(folder / "a.tdb", "x");
  fs::create_directories(folder / "Ordner");
  EXPECT_EQ(ops->removeFile(at("a.tdb")).status, RemoveStatus::Removed);
  EXPECT_FALSE(fs::exists(folder / "a.tdb"));
  EXPECT_EQ(ops->removeFile(at("a.tdb")).status, RemoveStatus::Missing);
  EXPECT_EQ(ops->removeFile(at("Ordner")).status, RemoveStatus::Missing);
  EXPECT_TRUE(fs::is_directory(folder / "Ordner"));
  EXPECT_EQ(ops->removeFile("").status, RemoveStatus::Missing);
}

TEST_F(FolderOpsTest, RemoveFolderDeletesEverythingInIt) {
  writeFile(folder / "Paket.gmap" / "Info.xml", "x");
  writeFile(folder / "Paket.gmap" / "Product1" / "63240001" / "63240001.TRE", "y");
  writeFile(folder / "bleibt.txt", "z");
  EXPECT_EQ(ops->removeFolder(at("Paket.gmap")).status, RemoveStatus::Removed);
  EXPECT_FALSE(fs::exists(folder / "Paket.gmap"));
  EXPECT_TRUE(fs::exists(folder / "bleibt.txt"));
  EXPECT_EQ(ops->removeFolder(at("Paket.gmap")).status, RemoveStatus::Missing);
  EXPECT_EQ(ops->removeFolder(at("bleibt.txt")).status, RemoveStatus::Missing);
  EXPECT_EQ(ops->removeFolder("").status, RemoveStatus::Missing);
}

TEST(AccessDenied, OnlyRefusedAccessCounts) {
  EXPECT_TRUE(isAccessDenied(std::make_error_code(std::errc::permission_denied)));
  EXPECT_FALSE(isAccessDenied(std::make_error_code(std::errc::no_such_file_or_directory)));
  EXPECT_FALSE(isAccessDenied({}));
}

}  // namespace
}  // namespace mapsetdesk::testing
