#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/FileReplace.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

mode_t permissionBits(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(PosixFileReplace, TheNewContentKeepsTheOldFilesPermissions) {
  TempDir dir;
  const std::string path = (dir / "Info.xml").string();
  writeFile(path, "old");
  for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}}) {
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(replaceFile(path, "new and longer"));
    EXPECT_EQ(permissionBits(path), mode);
  }
  EXPECT_EQ(readFile(path), "new and longer");
}

}  // namespace
}  // namespace mapsetdesk::testing
