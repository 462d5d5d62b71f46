// Folder sizes and the program's own megabyte of 1048476 bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "cache/FolderSize.h"
#include "platform/FilePath.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

using testing::TempDir;
using testing::writeFile;

constexpr std::uint64_t kMB = 1048476;

void fileOfSize(const std::filesystem::path& file, std::uint64_t bytes) {
  writeFile(file, "");
  std::filesystem::resize_file(file, bytes);
}

TEST(CacheMegabytes, RoundToTheNearestWholeMegabyteHalfToEven) {
  EXPECT_EQ(cacheMegabytes(0), 0u);
  EXPECT_EQ(cacheMegabytes(kMB / 2 - 1), 0u);
  EXPECT_EQ(cacheMegabytes(kMB / 2), 0u);  // 0.5
  EXPECT_EQ(cacheMegabytes(kMB / 2 + 1), 1u);
  EXPECT_EQ(cacheMegabytes(kMB - 1), 1u);
  EXPECT_EQ(cacheMegabytes(kMB), 1u);
  EXPECT_EQ(cacheMegabytes(kMB + kMB / 2), 2u);      // 1.5
  EXPECT_EQ(cacheMegabytes(2 * kMB + kMB / 2), 2u);  // 2.5
  EXPECT_EQ(cacheMegabytes(2 * kMB + kMB / 2 + 1), 3u);
}

TEST(CacheMegabytes, TheProgramsMegabyteIsNotAMebibyte) {
  EXPECT_EQ(cacheMegabytes(1048576), 1u);
  // 10.5 mebibytes are 10.501 of the program's megabytes: 11, not 10.
  EXPECT_EQ(cacheMegabytes(11010048), 11u);
}

TEST(CacheMegabytes, SizesBeyond32767AreShownInFull) {
  EXPECT_EQ(cacheMegabytes(32767 * kMB), 32767u);
  EXPECT_EQ(cacheMegabytes(32768 * kMB), 32768u);
  EXPECT_EQ(cacheMegabytes(65536 * kMB + 1), 65536u);
  EXPECT_EQ(cacheMegabytes(5'000'000'000 * kMB), 5'000'000'000u);
  EXPECT_EQ(cacheMegabytes(UINT64_MAX), 17593863926031u);  // the rest rounds down
}

TEST(FolderBytes, CountsEveryFileBelowTheFolder) {
  TempDir dir;
  fileOfSize(dir / "a.bin", 1000);
  fileOfSize(dir / "sub" / "b.bin", 2000);
  fileOfSize(dir / "sub" / "deeper" / "c.bin", 30);
  std::filesystem::create_directories(dir / "empty");
  EXPECT_EQ(folderBytes(dir.str()), 3030u);
  EXPECT_EQ(folderBytes(pathText(dir / "sub")), 2030u);
  EXPECT_EQ(folderBytes(pathText(dir / "empty")), 0u);
}

TEST(FolderBytes, NoneForAMissingFolderOrAFile) {
  TempDir dir;
  fileOfSize(dir / "a.bin", 10);
  EXPECT_EQ(folderBytes(pathText(dir / "missing")), std::nullopt);
  EXPECT_EQ(folderBytes(pathText(dir / "a.bin")), std::nullopt);
  EXPECT_EQ(folderBytes(""), std::nullopt);
}

TEST(FolderBytes, AFolderOfExactlyOneMegabyteShowsOne) {
  TempDir dir;
  fileOfSize(dir / "half.bin", kMB / 2);
  fileOfSize(dir / "sub" / "half.bin", kMB - kMB / 2);
  const auto bytes = folderBytes(dir.str());
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, kMB);
  EXPECT_EQ(cacheMegabytes(*bytes), 1u);
}

// Sparse files: the size the file system reports, without the disk space.
TEST(FolderBytes, ACacheOfFortyThousandMegabytesIsCountedWithoutOverflow) {
  TempDir dir;
  fileOfSize(dir / "big1.bin", 20000 * kMB);
  fileOfSize(dir / "sub" / "big2.bin", 20000 * kMB + 7);
  const auto bytes = folderBytes(dir.str());
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, 40000 * kMB + 7);
  EXPECT_EQ(cacheMegabytes(*bytes), 40000u);
}

}  // namespace
}  // namespace mapsetdesk
