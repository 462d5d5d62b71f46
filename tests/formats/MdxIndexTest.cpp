#include "formats/MdxIndex.h"

#include <gtest/gtest.h>

#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

// Header of 14 bytes with the record count at 10, then the records, each
// with FID 0x0101 and distinct other bytes.
std::string mdxWith(std::uint16_t count, std::size_t records) {
  std::string bytes = std::string("Midxd\0\x0C\0\0\0", 10) + static_cast<char>(count & 0xFF) +
                      static_cast<char>(count >> 8) + std::string(2, '\0');
  for (std::size_t i = 0; i < records; ++i) {
    std::string record(12, static_cast<char>('a' + i));
    record[6] = record[7] = '\x01';
    bytes += record;
  }
  return bytes;
}

using MdxFromMkgmap = GarminFilesTest;

TEST_F(MdxFromMkgmap, EveryRecordCarriesTheFamily) {
  const MdxRecords records = readMdxFids(bytesOf("mapset/osmmap.mdx"));
  EXPECT_FALSE(records.damaged);
  EXPECT_EQ(records.fids, (std::vector<std::uint16_t>{4711, 4711}));
}

TEST_F(MdxFromMkgmap, PatchingRewritesEveryRecordsFidOnly) {
  const std::string original = bytesOf("mapset/osmmap.mdx");
  const std::string path = copy("mapset/osmmap.mdx");
  ASSERT_EQ(patchMdxFid(path, 0x1234), FileStatus::Ok);
  std::string expected = original;
  for (const std::size_t at : {20, 32}) {
    expected[at] = '\x34';
    expected[at + 1] = '\x12';
  }
  EXPECT_EQ(readFile(path), expected);
}

TEST(MdxIndex, ThreeRecordsGetTheFidAtTheirOffsets) {
  TempDir dir;
  const std::string path = (dir / "karte.mdx").string();
  const std::string original = mdxWith(3, 3) + "trailer";
  writeFile(path, original);
  ASSERT_EQ(patchMdxFid(path, 0xEA60), FileStatus::Ok);
  const std::string patched = readFile(path);
  ASSERT_EQ(patched.size(), original.size());
  for (std::size_t i = 0; i < original.size(); ++i) {
    const bool fid = i == 20 || i == 21 || i == 32 || i == 33 || i == 44 || i == 45;
    if (!fid) {
      EXPECT_EQ(patched[i], original[i]) << "offset " << i;
    }
  }
  EXPECT_EQ(readMdxFids(patched).fids, (std::vector<std::uint16_t>{60000, 60000, 60000}));
}

TEST(MdxIndex, ACountBeyondTheFileIsDamagedAndLeftUnchanged) {
  TempDir dir;
  const std::string path = (dir / "kaputt.mdx").string();
  const std::string damaged = mdxWith(3, 2) + std::string(11, 'x');  // one byte short
  writeFile(path, damaged);
  EXPECT_TRUE(readMdxFids(damaged).damaged);
  EXPECT_EQ(patchMdxFid(path, 1), FileStatus::OutOfRange);
  EXPECT_EQ(readFile(path), damaged);

  EXPECT_FALSE(readMdxFids(mdxWith(3, 2) + std::string(12, 'x')).damaged) << "exactly enough";
  EXPECT_TRUE(readMdxFids("Midxd").damaged);
  EXPECT_TRUE(readMdxFids(mdxWith(0, 0).substr(0, 13)).damaged);
  EXPECT_TRUE(readMdxFids(mdxWith(0, 0)).fids.empty());
  EXPECT_EQ(patchMdxFid((dir / "none.mdx").string(), 1), FileStatus::Missing);
}

}  // namespace
}  // namespace mapsetdesk::testing
