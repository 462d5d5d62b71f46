// Deletions refused by Windows: a file another program holds open, and a
// read-only file, which a folder deletion does not force; and a failed copy
// told in Windows' own words.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FolderOps.h"
#include "platform/win/ShellCopyErrors.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// The file held open without sharing, as a running MapSource holds a TDB.
class HeldOpen {
 public:
  explicit HeldOpen(const fs::path& file)
      : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldOpen() { CloseHandle(handle_); }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class WinFolderOps : public ::testing::Test {
 protected:
  TempDir folder;
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> ops = openSystemFolderOps(dialogs);
};

TEST_F(WinFolderOps, AFileHeldOpenIsDenied) {
  writeFile(folder / "Karte.tdb", "tdb");
  {
    HeldOpen held(folder / "Karte.tdb");
    ASSERT_TRUE(held.held());
    const RemoveResult result = ops->removeFile((folder / "Karte.tdb").string());
    EXPECT_EQ(result.status, RemoveStatus::Denied);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(fs::exists(folder / "Karte.tdb"));
  }
  EXPECT_EQ(ops->removeFile((folder / "Karte.tdb").string()).status, RemoveStatus::Removed);
}

TEST_F(WinFolderOps, AFolderWithAFileHeldOpenIsDenied) {
  writeFile(folder / "Paket.gmap" / "Product1" / "karte.tdb", "tdb");
  HeldOpen held(folder / "Paket.gmap" / "Product1" / "karte.tdb");
  ASSERT_TRUE(held.held());
  EXPECT_EQ(ops->removeFolder((folder / "Paket.gmap").string()).status, RemoveStatus::Denied);
  EXPECT_TRUE(fs::exists(folder / "Paket.gmap" / "Product1" / "karte.tdb"));
}

TEST_F(WinFolderOps, AReadOnlyFileIsNotForced) {
  writeFile(folder / "Paket.gmap" / "Info.xml", "xml");
  SetFileAttributesW((folder / "Paket.gmap" / "Info.xml").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ops->removeFolder((folder / "Paket.gmap").string()).status, RemoveStatus::Denied);
  EXPECT_TRUE(fs::exists(folder / "Paket.gmap" / "Info.xml"));
  SetFileAttributesW((folder / "Paket.gmap" / "Info.xml").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WinFolderOps, RemoveFolderDeletesALinkButNotWhatItPointsTo) {
  writeFile(folder / "Paket.gmap" / "Info.xml", "xml");
  writeFile(folder / "Fremd" / "Karte.img", "img");
  const fs::path link = folder / "Paket.gmap" / "Verweis";
  if (!CreateSymbolicLinkW(link.c_str(), (folder / "Fremd").c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
    GTEST_SKIP() << "no directory symbolic link could be made here, error " << GetLastError();
  if (!fs::exists(link / "Karte.img"))
    GTEST_SKIP() << "the directory symbolic link made here does not lead to its target (Wine "
                    "makes such links dangling), so following it could not be seen";

  EXPECT_EQ(ops->removeFolder((folder / "Paket.gmap").string()).status, RemoveStatus::Removed);
  EXPECT_FALSE(fs::exists(folder / "Paket.gmap"));
  EXPECT_EQ(readFile(folder / "Fremd" / "Karte.img"), "img");
}

TEST_F(WinFolderOps, CopyTakesRelativePathsAndTellsAFailureInWindowsOwnWords) {
  writeFile(folder / "Quelle" / "Info.xml", "xml");
  const fs::path before = fs::current_path();
  fs::current_path(folder.path());
  const bool copied = ops->copyFolder("Quelle", "Ziel");
  const bool missingCopied = ops->copyFolder("Fehlt", "Ziel");
  fs::current_path(before);

  EXPECT_TRUE(copied);
  EXPECT_EQ(readFile(folder / "Ziel" / "Info.xml"), "xml");
  EXPECT_FALSE(missingCopied);
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "Following error occurd while copying folder Fehlt\n" +
                            systemErrorText(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(shown.title, "Error message");
  EXPECT_EQ(shown.icon, Icon::Exclamation);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST(ShellOperationErrors, AreDescribedNotNumbered) {
  const std::string notFound = systemErrorText(ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(notFound.empty());
  EXPECT_EQ(notFound.find_first_of("0123456789\r\n"), std::string::npos) << notFound;
  EXPECT_EQ(shellOperationErrorText(ERROR_ACCESS_DENIED), systemErrorText(ERROR_ACCESS_DENIED));
  // The shell's older codes mean something else than the system codes of the
  // same number.
  EXPECT_EQ(shellOperationErrorText(0x7C), "The path in the source or destination or both was invalid.");
  EXPECT_NE(shellOperationErrorText(0x7C), systemErrorText(0x7C));
  EXPECT_EQ(shellOperationErrorText(0x10000), "An unspecified error occurred on the destination.");
}

TEST(WinAccessDenied, SharingAndAccessErrorsCount) {
  EXPECT_TRUE(isAccessDenied({ERROR_SHARING_VIOLATION, std::system_category()}));
  EXPECT_TRUE(isAccessDenied({ERROR_ACCESS_DENIED, std::system_category()}));
  EXPECT_FALSE(isAccessDenied({ERROR_FILE_NOT_FOUND, std::system_category()}));
}

}  // namespace
}  // namespace mapsetdesk::testing
