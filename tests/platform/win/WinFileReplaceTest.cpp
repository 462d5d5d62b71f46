#include <gtest/gtest.h>
#include <windows.h>

#include "platform/FileReplace.h"
#include "platform/FilePath.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(filePath(path).c_str()); }

TEST(WinFileReplace, TheNewContentKeepsTheOldFilesAttributes) {
  TempDir dir;
  const std::string path = (dir / "Info.xml").string();
  writeFile(path, "old");
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  ASSERT_TRUE(SetFileAttributesW(filePath(path).c_str(), kept));
  ASSERT_TRUE(replaceFile(path, "new and longer"));
  EXPECT_EQ(attributesOf(path) & (kept | FILE_ATTRIBUTE_READONLY), kept);
  EXPECT_EQ(readFile(path), "new and longer");
}

TEST(WinFileReplace, AReadOnlyFileStaysWholeAndNoTemporaryRemains) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  writeFile(path, "old");
  ASSERT_TRUE(SetFileAttributesW(filePath(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(replaceFile(path, "new"));
  EXPECT_EQ(readFile(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
  SetFileAttributesW(filePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace mapsetdesk::testing
