// The files written for a mapset: the TDB as the system's own readers read
// it, the overview source's coordinates, and the MDX index.
#include <gtest/gtest.h>

#include <cmath>

#include "formats/MdxIndex.h"
#include "formats/MdxWriter.h"
#include "formats/OverviewSource.h"
#include "formats/PolishSource.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbTiles.h"
#include "formats/TdbWriter.h"

namespace mapsetdesk {
namespace {

Mapset twoTiles() {
  Mapset mapset;
  mapset.fid = 815;
  mapset.pid = 2;
  mapset.name =
      "Alpen S\xFC"
      "d";
  mapset.familyName = "Alpen";
  mapset.tiles = {
      {12345, {100, 200, -100, -200}, "Nord", {{"00012345.TRE", 10}, {"00012345.RGN", 20}}},
      {12346, {300, 400, 200, 100}, "", {{"00012346.TRE", 30}}}};
  return mapset;
}

TEST(TdbWriter, WritesATdbTheSystemsReadersAccept) {
  const auto written = writeTdb(twoTiles());
  ASSERT_TRUE(written);
  const std::string& tdb = *written;
  const TdbHeaderResult header = parseTdbHeader(tdb);
  ASSERT_EQ(header.damage, TdbDamage::None);
  EXPECT_EQ(header.header.fid, 815);
  EXPECT_EQ(header.header.pid, 2);
  EXPECT_EQ(header.header.version, 407);
  EXPECT_EQ(header.header.name,
            "Alpen S\xFC"
            "d");
  EXPECT_EQ(checkTdbChecksum(tdb).state, TdbChecksumState::Ok);
  EXPECT_EQ(walkTdbBlocks(tdb).damage, TdbDamage::None);
  const TdbTiles tiles = readTdbTiles(tdb);
  ASSERT_EQ(tiles.tiles.size(), 2u);
  EXPECT_EQ(tiles.tiles[0].mapNumber, 12345u);
  EXPECT_EQ(tiles.tiles[0].description, "Nord (00012345)");
  EXPECT_EQ(tiles.tiles[1].description, "00012346");
  EXPECT_NE(tdb.find(std::string("00012345.TRE\0"
                                 "00012345.RGN\0",
                                 26)),
            std::string::npos);
}

// Names as long as a crafted product list makes them, and a tile of more
// subfiles than a TDB block holds.
TEST(TdbWriter, WhatItWritesReadsBackAsWrittenOrItWritesNothing) {
  struct Case {
    std::size_t name, family, description, subfiles;
    bool fits;
  };
  for (const Case& sizes : {Case{300, 10, 10, 2, true}, Case{40000, 40000, 40000, 2, true},
                            Case{10, 10, 65500, 2, true}, Case{246, 246, 246, 3000, true},
                            Case{10, 10, 10, 5000, false}}) {
    SCOPED_TRACE(::testing::Message() << sizes.name << "/" << sizes.description << "/" << sizes.subfiles);
    Mapset mapset = twoTiles();
    mapset.name = std::string(sizes.name, 'N');
    mapset.familyName = std::string(sizes.family, 'F');
    mapset.tiles[0].description = std::string(sizes.description, 'D');
    mapset.tiles[1].subfiles.assign(sizes.subfiles, {"00012346.TRE", 1});
    const auto tdb = writeTdb(mapset);
    ASSERT_EQ(tdb.has_value(), sizes.fits);
    if (!tdb) continue;
    const TdbHeaderResult header = parseTdbHeader(*tdb);
    ASSERT_EQ(header.damage, TdbDamage::None);
    EXPECT_EQ(header.header.name, mapset.name.substr(0, 246));
    EXPECT_EQ(walkTdbBlocks(*tdb).damage, TdbDamage::None);
    EXPECT_EQ(checkTdbChecksum(*tdb).state, TdbChecksumState::Ok);
    const TdbTiles tiles = readTdbTiles(*tdb);
    ASSERT_EQ(tiles.tiles.size(), 2u);
    EXPECT_EQ(tiles.tiles[1].mapNumber, 12346u);
  }
}

TEST(OverviewSource, ReadsBackAsOneMapOfTheMapsetsNumberWhateverItsName) {
  for (const std::string name : {"Alpen", "Alpen\r\nID=5", "A\x01\x7F\n[END-IMG ID]"}) {
    Mapset mapset = twoTiles();
    mapset.name = name;
    const PolishParse parse = parsePolishSource(writeOverviewSource(mapset));
    ASSERT_FALSE(parse.refused()) << name;
    EXPECT_EQ(parse.map.mapNumber, mapset.overviewNumber()) << name;
    EXPECT_EQ(parse.map.shapes.size(), 2u) << name;
    EXPECT_EQ(parse.map.name.find_first_of("\r\n\x01\x7F"), std::string::npos) << name;
  }
}

TEST(Mapset, TheOverviewIsNumberedBelowTheTilesAndCoversThemAll) {
  Mapset mapset = twoTiles();
  EXPECT_EQ(mapset.overviewNumber(), 12344u);
  EXPECT_EQ(mapset.bounds(), (MapBounds{300, 400, -100, -200}));
  mapset.tiles[0].mapNumber = 0;
  EXPECT_EQ(mapset.overviewNumber(), 12347u);
  EXPECT_EQ(Mapset{}.overviewNumber(), 1u);
}

TEST(OverviewSource, DegreesComeBackAsTheSameMapUnits) {
  EXPECT_EQ(mapUnitsAsDegrees(0), "0.000000");
  EXPECT_EQ(mapUnitsAsDegrees(1 << 22), "90.000000");
  EXPECT_EQ(mapUnitsAsDegrees(-(1 << 22)), "-90.000000");
  EXPECT_EQ(mapUnitsAsDegrees(-1), "-0.000021");
  for (std::int32_t units = -(1 << 23); units < (1 << 23); units += 4099) {
    const double degrees = std::stod(mapUnitsAsDegrees(units));
    EXPECT_EQ(std::lround(degrees * (1 << 24) / 360.0), units) << units;
  }
}

TEST(OverviewSource, HoldsOnlyTheMapSectionAndOneAreaPerTile) {
  const std::string source = writeOverviewSource(twoTiles());
  EXPECT_EQ(source.rfind("[IMG ID]\r\nID=12344\r\nName=Alpen S\xFC"
                         "d\r\nCodePage=1252\r\n"
                         "LblCoding=9\r\nLevels=2\r\nLevel0=16\r\nLevel1=15\r\nZoom0=3\r\n"
                         "Zoom1=4\r\n[END-IMG ID]\r\n",
                         0),
            0u);
  EXPECT_NE(source.find("[POLYGON]\r\nType=0x4a\r\nLabel=00012346\r\nEndLevel=0\r\nData0=" +
                        std::string("(0.006437,0.002146),(0.006437,0.008583),"
                                    "(0.004292,0.008583),(0.004292,0.002146)\r\n[END]\r\n")),
            std::string::npos)
      << source;
  std::size_t areas = 0;
  for (std::size_t at = source.find("[POLYGON]"); at != std::string::npos;
       at = source.find("[POLYGON]", at + 1))
    ++areas;
  EXPECT_EQ(areas, 2u);
}

TEST(MdxWriter, OneRecordPerTileNamingTheFamily) {
  const std::string mdx = writeMdx(twoTiles());
  EXPECT_EQ(mdx.size(), kMdxFirstRecord + 2 * kMdxRecordSize);
  const MdxRecords records = readMdxFids(mdx);
  EXPECT_FALSE(records.damaged);
  EXPECT_EQ(records.fids, (std::vector<std::uint16_t>{815, 815}));
}

}  // namespace
}  // namespace mapsetdesk
