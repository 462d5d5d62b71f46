#include "formats/TdbHeader.h"

#include <gtest/gtest.h>

#include "support/GarminFiles.h"
#include "formats/TdbBytes.h"

namespace mapsetdesk::testing {
namespace {

using TdbHeaderFromMkgmap = GarminFilesTest;

TEST_F(TdbHeaderFromMkgmap, ReadsWhatMkgmapWasTold) {
  const TdbHeaderRead read = readTdbHeader(garmin("mapset/osmmap.tdb").string());
  ASSERT_EQ(read.status, FileStatus::Ok);
  ASSERT_EQ(read.damage, TdbDamage::None);
  EXPECT_EQ(read.header.pid, kMkgmapPid);
  EXPECT_EQ(read.header.fid, kMkgmapFid);
  EXPECT_EQ(read.header.listedFid(), kMkgmapFid);
  EXPECT_EQ(read.header.name, kMkgmapSeriesName);
  EXPECT_GT(read.header.version, kTdbChecksumVersion) << "mkgmap writes a checksummed format";
}

TEST_F(TdbHeaderFromMkgmap, PatchingIdsChangesOnlyTheirFourBytes) {
  const std::string original = bytesOf("mapset/osmmap.tdb");
  const std::string path = copy("mapset/osmmap.tdb");
  ASSERT_EQ(patchTdbIds(path, 0x0102, 0xEA60), FileStatus::Ok);
  std::string expected = original;
  expected.replace(3, 4, std::string("\x02\x01\x60\xEA", 4));
  EXPECT_EQ(readFile(path), expected);

  ASSERT_EQ(patchTdbFid(path, 4711), FileStatus::Ok);
  expected.replace(5, 2, u16le(4711));
  EXPECT_EQ(readFile(path), expected);
  EXPECT_EQ(readTdbHeader(path).header.pid, 0x0102);
}

TEST(TdbHeader, FidZeroListsThePidAsFamily) {
  const auto parsed = parseTdbHeader(block(0x50, headerPayload(815, 0, 407, "Alpen")));
  ASSERT_EQ(parsed.damage, TdbDamage::None);
  EXPECT_EQ(parsed.header.fid, 0);
  EXPECT_EQ(parsed.header.listedFid(), 815);
}

TEST(TdbHeader, ListsAtMostFortyBytesButKeepsTheWholeName) {
  const std::string name(45, 'N');
  const auto parsed = parseTdbHeader(block(0x50, headerPayload(1, 2, 3, name)));
  ASSERT_EQ(parsed.damage, TdbDamage::None);
  EXPECT_EQ(parsed.header.name, name);
  EXPECT_EQ(parsed.header.listedName(), std::string(40, 'N'));
  EXPECT_EQ(parsed.header.nameEnd, 9u + 45u);
}

TEST(TdbHeader, ANameOfExactlyFortyBytesIsListedWhole) {
  const std::string name(40, 'x');
  EXPECT_EQ(parseTdbHeader(block(0x50, headerPayload(1, 2, 3, name))).header.listedName(), name);
}

TEST(TdbHeader, NameStopsAtTheFirstZeroAndNeverReadsPastTheHeaderBlock) {
  // The name field ends at the block's end without a zero; a zero follows in
  // the next block, which must not be taken for the name's end.
  const std::string header = block(0x50, u16le(1) + u16le(2) + u16le(3) + "Offen");
  const auto parsed = parseTdbHeader(header + block(0x44, std::string(4, '\0')));
  EXPECT_EQ(parsed.damage, TdbDamage::NameUnterminated);
}

TEST(TdbHeader, DamagedHeadersAreReportedNotRead) {
  const std::string good = block(0x50, headerPayload(1, 2, 3, "Name"));
  EXPECT_EQ(parseTdbHeader("").damage, TdbDamage::TruncatedBlockHead);
  EXPECT_EQ(parseTdbHeader(good.substr(0, 2)).damage, TdbDamage::TruncatedBlockHead);
  EXPECT_EQ(parseTdbHeader(good.substr(0, good.size() - 1)).damage, TdbDamage::BlockPastEnd);
  EXPECT_EQ(parseTdbHeader(good).damage, TdbDamage::None);

  EXPECT_EQ(parseTdbHeader(block(0x50, std::string(8, 'a'))).damage, TdbDamage::HeaderTooShort);
  EXPECT_EQ(parseTdbHeader(block(0x50, std::string(8, 'a') + '\0')).damage, TdbDamage::None)
      << "nine bytes are enough for an empty name";

  const std::string longest(255 - 9, 'L');
  EXPECT_EQ(parseTdbHeader(block(0x50, headerPayload(1, 2, 3, longest))).damage, TdbDamage::None);
  EXPECT_EQ(parseTdbHeader(block(0x50, headerPayload(1, 2, 3, longest + "L"))).damage,
            TdbDamage::NameTooLong);
}

TEST(TdbHeader, ReadingAFileTellsMissingFromDamaged) {
  TempDir dir;
  EXPECT_EQ(readTdbHeader((dir / "none.tdb").string()).status, FileStatus::Missing);
  writeFile(dir / "short.tdb", "P\x30");
  const TdbHeaderRead shortRead = readTdbHeader((dir / "short.tdb").string());
  EXPECT_EQ(shortRead.status, FileStatus::Ok);
  EXPECT_EQ(shortRead.damage, TdbDamage::TruncatedBlockHead);
  writeFile(dir / "cut.tdb", block(0x50, headerPayload(1, 2, 3, "Name")).substr(0, 12));
  EXPECT_EQ(readTdbHeader((dir / "cut.tdb").string()).damage, TdbDamage::BlockPastEnd);
}

TEST(TdbHeader, PatchingAFileTooShortForTheFieldsChangesNothing) {
  TempDir dir;
  const std::string tiny("P\x01\x00\x05", 4);
  writeFile(dir / "tiny.tdb", tiny);
  EXPECT_EQ(patchTdbIds((dir / "tiny.tdb").string(), 1, 2), FileStatus::OutOfRange);
  EXPECT_EQ(readFile(dir / "tiny.tdb"), tiny);
  EXPECT_EQ(patchTdbFid((dir / "none.tdb").string(), 1), FileStatus::Missing);
}

}  // namespace
}  // namespace mapsetdesk::testing
