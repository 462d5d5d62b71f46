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

}  // namespace
}  // namespace mapsetdesk::testing
