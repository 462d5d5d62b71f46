#include "formats/TreDrawPriority.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

#include "formats/FileBytes.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

std::string scrambled(const std::string& plain, std::uint8_t xorByte) {
  std::string out = plain;
  for (char& c : out) c = static_cast<char>(static_cast<unsigned char>(c) ^ xorByte);
  out[0] = static_cast<char>(xorByte);  // the XOR byte itself lies plain
  return out;
}

// A TRE header (signature at 2, draw priority at 0x40) at offset `at`.
std::string withTreHeader(std::size_t size, std::size_t at, char priority) {
  std::string bytes(size, '\x11');
  const std::string header = std::string("\xBC\x00", 2) + std::string(kTreSignature);
  bytes.replace(at, header.size(), header);
  if (at + 0x40 < size) bytes[at + 0x40] = priority;
  return bytes;
}

using TreFromMkgmap = GarminFilesTest;

TEST_F(TreFromMkgmap, TileFilesShowTheDrawPriorityMkgmapWasGiven) {
  const TreRead north = readDrawPriority(garmin("mapset/63240001.img").string(), TreForm::TileFile);
  ASSERT_EQ(north.status, FileStatus::Ok);
  EXPECT_EQ(north.priority, kMkgmapNorthPriority);
  EXPECT_EQ(readDrawPriority(garmin("mapset/63240002.img").string(), TreForm::TileFile).priority,
            kMkgmapSouthPriority);
}

TEST_F(TreFromMkgmap, SubfilesOfTheGmapPackageShowItToo) {
  const std::string tre = "mapset/Harz Familie.gmap/Product3/63240002/63240002.TRE";
  EXPECT_EQ(readDrawPriority(garmin(tre).string(), TreForm::Subfile).priority,
            kMkgmapSouthPriority);
  const OpenDrawPriority spot(garmin(tre).string(), TreForm::Subfile);
  ASSERT_TRUE(spot.hit());
  EXPECT_EQ(spot.hit()->offset, 0x40u) << "a TRE subfile starts with its header";
}

TEST_F(TreFromMkgmap, EveryMkgmapFileGivesTheWholeFileSearchsByte) {
  const std::string gmap = "mapset/Harz Familie.gmap/Product3/";
  const std::vector<std::pair<std::string, TreForm>> files = {
      {"mapset/osmmap.img", TreForm::TileFile},
      {"mapset/63240001.img", TreForm::TileFile},
      {"mapset/63240002.img", TreForm::TileFile},
      {"mapset/gmapsupp.img", TreForm::TileFile},
      {gmap + "osmmap/63240000.TRE", TreForm::Subfile},
      {gmap + "63240001/63240001.TRE", TreForm::Subfile},
  };
  for (const auto& [file, form] : files) {
    const std::string bytes = bytesOf(file);
    const auto xorByte = static_cast<std::uint8_t>(form == TreForm::TileFile ? bytes[0] : 0);
    const auto whole = findDrawPriority(bytes, xorByte);
    ASSERT_TRUE(whole) << file;
    const TreRead read = readDrawPriority(garmin(file).string(), form);
    EXPECT_EQ(read.priority, static_cast<std::uint8_t>(bytes[*whole] ^ xorByte)) << file;
  }
}

TEST_F(TreFromMkgmap, WritingChangesOnlyTheDrawPriorityByte) {
  const std::string original = bytesOf("mapset/63240001.img");
  const std::string path = copy("mapset/63240001.img");
  OpenDrawPriority spot(path, TreForm::TileFile);
  ASSERT_TRUE(spot.hit());
  const std::uint64_t at = spot.hit()->offset;
  EXPECT_EQ(spot.hit()->stored, static_cast<std::uint8_t>(original[at]));
  const TreWritten written = spot.write(5);
  EXPECT_EQ(written.status, FileStatus::Ok);
  EXPECT_TRUE(written.found);
  EXPECT_EQ(written.stored, 5);
  std::string expected = original;
  expected[at] = '\x05';
  EXPECT_EQ(readFile(path), expected) << "the header bytes after the priority survive";
  EXPECT_EQ(readDrawPriority(path, TreForm::TileFile).priority, 5);
}

TEST_F(TreFromMkgmap, InADeviceImageOnlyTheFirstTileCounts) {
  const std::string image = bytesOf("mapset/gmapsupp.img");
  const std::size_t first = image.find(kTreSignature);
  const std::size_t second = image.find(kTreSignature, first + 1);
  ASSERT_NE(second, std::string::npos) << "mkgmap put both tiles in";
  const std::string path = copy("mapset/gmapsupp.img");
  const OpenDrawPriority spot(path, TreForm::TileFile);
  ASSERT_TRUE(spot.hit());
  EXPECT_EQ(spot.hit()->offset, first + kTreDrawPriorityDistance);
  EXPECT_EQ(readDrawPriority(path, TreForm::TileFile).priority,
            static_cast<unsigned char>(image[first + kTreDrawPriorityDistance]));

  ASSERT_TRUE(OpenDrawPriority(path, TreForm::TileFile).write(9).found);
  const std::string after = readFile(path);
  EXPECT_EQ(after[first + kTreDrawPriorityDistance], '\x09');
  EXPECT_EQ(after.substr(second), image.substr(second)) << "the second tile is untouched";
}

TEST_F(TreFromMkgmap, AScrambledContainerIsReadAndWrittenThroughItsXorByte) {
  const std::string plain = bytesOf("mapset/63240001.img");
  ASSERT_EQ(plain[0], '\0') << "mkgmap writes plain containers";
  const std::string path = (scratch_ / "63240001.img").string();
  const std::string stored = scrambled(plain, 0x55);
  writeFile(path, stored);

  EXPECT_EQ(readDrawPriority(path, TreForm::TileFile).priority, kMkgmapNorthPriority);
  EXPECT_FALSE(readDrawPriority(path, TreForm::Subfile).priority)
      << "the plain signature is not in a scrambled file";

  const std::uint64_t at = OpenDrawPriority(path, TreForm::TileFile).hit()->offset;
  ASSERT_TRUE(OpenDrawPriority(path, TreForm::TileFile).write(12).found);
  std::string expected = stored;
  expected[at] = static_cast<char>(12 ^ 0x55);
  EXPECT_EQ(readFile(path), expected) << "one scrambled byte, the next three untouched";
  EXPECT_EQ(readDrawPriority(path, TreForm::TileFile).priority, 12);
}

TEST(TreDrawPriority, AGmpSubfileIsPlainWhateverItsFirstByte) {
  TempDir dir;
  const std::string path = (dir / "63240001.GMP").string();
  std::string gmp = withTreHeader(400, 0x31, 17);
  gmp[0] = '\x42';
  writeFile(path, gmp);
  EXPECT_EQ(readDrawPriority(path, TreForm::Subfile).priority, 17);
  ASSERT_TRUE(OpenDrawPriority(path, TreForm::Subfile).write(3).found);
  std::string expected = gmp;
  expected[0x31 + 0x40] = '\x03';
  EXPECT_EQ(readFile(path), expected);
}

TEST(TreDrawPriority, WithoutSignatureNothingIsFoundOrWritten) {
  TempDir dir;
  const std::string path = (dir / "leer.img").string();
  const std::string bytes = "GARMIN TRX and more text that is not a TRE header at all........";
  writeFile(path, bytes);
  EXPECT_EQ(readDrawPriority(path, TreForm::TileFile).status, FileStatus::Ok);
  EXPECT_FALSE(readDrawPriority(path, TreForm::TileFile).priority);
  const TreWritten written = OpenDrawPriority(path, TreForm::Subfile).write(4);
  EXPECT_FALSE(written.found);
  EXPECT_EQ(readFile(path), bytes);

  writeFile(path, "GARMIN");
  EXPECT_FALSE(readDrawPriority(path, TreForm::Subfile).priority) << "shorter than the signature";
  writeFile(path, "");
  EXPECT_FALSE(readDrawPriority(path, TreForm::TileFile).priority);
  EXPECT_EQ(readDrawPriority((dir / "none.img").string(), TreForm::TileFile).status,
            FileStatus::Missing);
  EXPECT_EQ(OpenDrawPriority((dir / "none.img").string(), TreForm::TileFile).write(1).status,
            FileStatus::Missing);
}

TEST(TreDrawPriority, APriorityBytePastTheEndIsNotFound) {
  TempDir dir;
  const std::string path = (dir / "cut.TRE").string();
  const std::string lastByte = withTreHeader(0x41, 0, 8);  // the priority is the last byte
  writeFile(path, lastByte);
  EXPECT_EQ(readDrawPriority(path, TreForm::Subfile).priority, 8);
  const std::string oneShort = lastByte.substr(0, 0x40);
  writeFile(path, oneShort);
  EXPECT_FALSE(readDrawPriority(path, TreForm::Subfile).priority);
  EXPECT_FALSE(OpenDrawPriority(path, TreForm::Subfile).write(2).found);
  EXPECT_EQ(readFile(path), oneShort) << "the file does not grow";
}

TEST(TreDrawPriority, ChunkedSearchFindsWhatTheWholeFileSearchFinds) {
  // Signatures around the chunk boundaries of the streamed search.
  const std::size_t positions[] = {0,     4086,  4095,  4096,  16300, 16320, 16321, 16322,
                                   16382, 16383, 16384, 32700, 32767, 40000, 65536};
  for (const std::size_t at : positions) {
    const std::string bytes = withTreHeader(65700, at, static_cast<char>(at % 31));
    std::istringstream stream(bytes);
    const auto streamed = findDrawPriority(stream, 0);
    const auto whole = findDrawPriority(bytes, 0);
    ASSERT_TRUE(whole) << at;
    ASSERT_TRUE(streamed) << at;
    EXPECT_EQ(streamed->offset, *whole) << at;
    EXPECT_EQ(streamed->offset, at + 2 + kTreDrawPriorityDistance);
    EXPECT_EQ(streamed->stored, at % 31) << at;
  }
}

TEST(TreDrawPriority, TheFirstOfTwoHeadersIsTheOne) {
  std::string bytes = withTreHeader(9000, 5000, 30);
  bytes.replace(100, 12, withTreHeader(12, 0, 0));
  bytes[100 + 0x40] = 1;
  std::istringstream stream(bytes);
  EXPECT_EQ(findDrawPriority(stream, 0)->stored, 1);
  EXPECT_EQ(findDrawPriority(bytes, 0), 100u + 0x40u);
}

}  // namespace
}  // namespace mapsetdesk::testing
