#include "formats/TdbTiles.h"

#include <gtest/gtest.h>

#include "support/GarminFiles.h"
#include "formats/TdbBytes.h"

namespace mapsetdesk::testing {
namespace {

using TdbTilesFromMkgmap = GarminFilesTest;

TEST_F(TdbTilesFromMkgmap, ListsEveryTileWithItsNumberAndDescription) {
  const TdbTiles read = readTdbTiles(bytesOf("mapset/osmmap.tdb"));
  EXPECT_EQ(read.damage, TdbDamage::None);
  ASSERT_EQ(read.tiles.size(), 2u);
  EXPECT_EQ(read.tiles[0].mapNumber, 63240001u);
  EXPECT_EQ(read.tiles[1].mapNumber, 63240002u);
  EXPECT_EQ(read.tiles[0].description.rfind("Nordteil", 0), 0u) << read.tiles[0].description;
  EXPECT_EQ(tileName(read.tiles[0].mapNumber) + ".img", "63240001.img");
}

TEST(TdbTiles, TileNamesArePaddedToEightDigitsButNeverCut) {
  EXPECT_EQ(tileName(12345), "00012345");
  EXPECT_EQ(tileName(123456), "00123456");
  EXPECT_EQ(tileName(0), "00000000");
  EXPECT_EQ(tileName(99999999), "99999999");
  EXPECT_EQ(tileName(123456789), "123456789");
  EXPECT_EQ(tileName(4294967295u), "4294967295");
}

TEST(TdbTiles, DescriptionStartsAtByte24AndEndsAtZeroOrBlockEnd) {
  const std::string numbered = std::string("\x39\x30\x00\x00", 4) + std::string(20, 'x');
  const std::string file = block(0x50, headerPayload(1, 2, 3, "M")) +
                           block(0x4C, numbered + "Nord" + '\0' + "Rest") +
                           block(0x4C, numbered + "Ohne Null") +
                           block(0x4C, std::string("\x01\x00\x00\x00", 4)) +
                           block(0x54, checksumPayload());
  const TdbTiles read = readTdbTiles(file);
  EXPECT_EQ(read.damage, TdbDamage::None);
  ASSERT_EQ(read.tiles.size(), 3u);
  EXPECT_EQ(read.tiles[0].mapNumber, 12345u);
  EXPECT_EQ(read.tiles[0].description, "Nord");
  EXPECT_EQ(read.tiles[1].description, "Ohne Null");
  EXPECT_EQ(read.tiles[2].description, "") << "a block without description";
}

TEST(TdbTiles, DamageStopsTheWalkButKeepsTheTilesBeforeIt) {
  const std::string tile = block(0x4C, std::string("\x07\x00\x00\x00", 4));
  const std::string file = block(0x50, headerPayload(1, 2, 3, "M")) + tile + tile;
  const TdbTiles cut = readTdbTiles(file.substr(0, file.size() - 1));
  EXPECT_EQ(cut.damage, TdbDamage::BlockPastEnd);
  EXPECT_EQ(cut.tiles.size(), 1u);

  const TdbTiles headless = readTdbTiles(file + "\x4C\x01");
  EXPECT_EQ(headless.damage, TdbDamage::TruncatedBlockHead);
  EXPECT_EQ(headless.tiles.size(), 2u);

  EXPECT_EQ(readTdbTiles(file + block(0x4C, "abc")).damage, TdbDamage::TileBlockTooShort);
}

}  // namespace
}  // namespace mapsetdesk::testing
