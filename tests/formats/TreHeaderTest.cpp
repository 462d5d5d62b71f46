// The facts of a TRE header: map number and bounds, as mkgmap's TDB lists
// them for its own tiles.
#include <gtest/gtest.h>

#include "formats/ByteReader.h"
#include "formats/ImgContainer.h"
#include "formats/TdbLayout.h"
#include "formats/TreHeader.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

// A TDB tile block's bounds: 24-bit map units in the upper bytes of u32s.
MapBounds tdbBounds(const std::string& tdb, std::uint32_t mapNumber) {
  for (const TdbBlock& block : walkTdbBlocks(tdb).blocks) {
    ByteReader reader(tdb, block.payload());
    if (block.id != kTdbTileBlock || reader.u32() != mapNumber) continue;
    reader.u32();
    MapBounds bounds;
    for (std::int32_t* value : {&bounds.north, &bounds.east, &bounds.south, &bounds.west})
      *value = static_cast<std::int32_t>(reader.u32()) >> 8;
    return bounds;
  }
  return {};
}

class TreHeaderFiles : public GarminFilesTest {};

TEST_F(TreHeaderFiles, GivesTheNumberAndBoundsMkgmapsTdbListsForTheTile) {
  const std::string tdb = bytesOf("mapset/osmmap.tdb");
  for (const std::uint32_t number : {63240001u, 63240002u}) {
    const auto tile = readImgContainer(bytesOf("mapset/" + std::to_string(number) + ".img"));
    const ImgSubfile& tre = tile->subfiles[1];
    ASSERT_EQ(tre.type, "TRE");
    const auto facts = readTreFacts(tre.bytes.substr(0, kTreFactsBytes), tre.name);
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->mapNumber, number);
    EXPECT_EQ(facts->bounds, tdbBounds(tdb, number));
    EXPECT_GT(facts->bounds.north, facts->bounds.south);
  }
}

TEST(TreHeader, AShortHeaderTakesTheNumberFromTheNameAndSouthernBoundsStayNegative) {
  std::string header(0x30, '\0');
  header[0] = 0x30;
  header.replace(2, 10, "GARMIN TRE");
  header.replace(0x15, 12, std::string("\x10\x00\x00\x20\x00\x00\xF0\xFF\xFF\x00\x00\xFF", 12));
  const auto facts = readTreFacts(header, "00012345");
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->mapNumber, 12345u);
  EXPECT_EQ(facts->bounds, (MapBounds{16, 32, -16, -65536}));
  EXPECT_EQ(readTreFacts(header, "NOTDIGIT")->mapNumber, 0u);
}

TEST(TreHeader, BytesWithoutATreHeaderHaveNoFacts) {
  EXPECT_FALSE(readTreFacts("", "1"));
  EXPECT_FALSE(readTreFacts(std::string(0x78, 'x'), "1"));
  std::string cut(0x1A, '\0');
  cut[0] = static_cast<char>(0xBC);
  cut.replace(2, 10, "GARMIN TRE");
  EXPECT_FALSE(readTreFacts(cut, "1"));
  std::string longHeader(0x30, '\0');
  longHeader[0] = static_cast<char>(0xBC);
  longHeader.replace(2, 10, "GARMIN TRE");
  EXPECT_FALSE(readTreFacts(longHeader, "1"));  // the map ID lies beyond the bytes given
}

TEST(TreHeader, AroundHoldsBoth) {
  EXPECT_EQ(around({10, 20, 0, 5}, {12, 15, -3, 7}), (MapBounds{12, 20, -3, 5}));
}

}  // namespace
}  // namespace mapsetdesk::testing
