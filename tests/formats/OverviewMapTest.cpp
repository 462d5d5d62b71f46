// Overview maps made by the encoder and read back by the system's own reader:
// every polygon and polyline of every level equals the source's, rounded to
// that level's resolution, with its type and label.
#include <gtest/gtest.h>

#include <cstdio>

#include "formats/MapDecoder.h"
#include "formats/MapUnits.h"
#include "formats/OverviewEncoder.h"
#include "formats/PolishSource.h"
#include "support/OverviewSources.h"

namespace mapsetdesk::testing {
namespace {

struct Compiled {
  PolishParse parse;
  OverviewEncoding encoding;
  std::optional<DecodedMap> decoded;
};

Compiled compile(const std::string& source) {
  Compiled result;
  result.parse = parsePolishSource(source);
  if (result.parse.refused()) return result;
  result.encoding = encodeOverview(result.parse.map, MapTimestamp{2026, 12, 7, 11, 30, 0});
  if (!result.encoding.subfiles) return result;
  const OverviewSubfiles& files = *result.encoding.subfiles;
  result.decoded = decodeMap(files.tre, files.rgn, files.lbl);
  return result;
}

// Compiles and checks the round trip; the decoded map for further checks.
DecodedMap roundTrip(const std::string& source) {
  const Compiled compiled = compile(source);
  EXPECT_FALSE(compiled.parse.refused());
  EXPECT_TRUE(compiled.encoding.problems.empty())
      << compiled.encoding.problems.front().line << ": " << compiled.encoding.problems.front().text;
  if (!compiled.decoded) {
    ADD_FAILURE() << "the reader refuses the map";
    return {};
  }
  EXPECT_EQ(decodedLevels(*compiled.decoded), expectedLevels(compiled.parse.map));
  return *compiled.decoded;
}

std::string point(double latitude, double longitude) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.7f,%.7f)", latitude, longitude);
  return text;
}

TEST(OverviewMap, OneTileComesBackWithItsLevelsBoundsAndNumber) {
  SourceSpec spec;
  spec.areas = tileGrid(1, 51.9, 10.4, 0.3);
  const DecodedMap map = roundTrip(polishSource(spec));
  EXPECT_EQ(map.mapNumber, 63240000u);
  EXPECT_EQ(map.codePage, 1252);
  ASSERT_EQ(map.levels.size(), 2u);
  EXPECT_EQ(map.levels[0].bits, 16);
  EXPECT_EQ(map.levels[1].bits, 15);
  EXPECT_EQ(map.levels[0].zoom, 0);
  EXPECT_EQ(map.levels[1].zoom, 1);
  EXPECT_TRUE(map.levels[1].topMark);
  EXPECT_FALSE(map.levels[0].topMark);
  EXPECT_EQ(map.levels[0].shapes.size(), 1u);
  EXPECT_TRUE(map.levels[1].shapes.empty()) << "no EndLevel: level 0 only";
  EXPECT_EQ(map.north, unitsFromDegrees(51.9));
  EXPECT_EQ(map.south, unitsFromDegrees(51.6));
  EXPECT_EQ(map.west, unitsFromDegrees(10.4));
  EXPECT_EQ(map.east, unitsFromDegrees(10.7));
}

TEST(OverviewMap, FiveThousandTilesSpreadOverSubdivisionsOnEveryLevel) {
  SourceSpec spec;
  spec.levelBits = {18, 16, 14};
  spec.areas = tileGrid(5000, 60.0, 5.0, 0.125);
  for (std::size_t i = 0; i < spec.areas.size(); i += 3) spec.areas[i].endLevel = 2;
  const DecodedMap map = roundTrip(polishSource(spec));
  ASSERT_EQ(map.levels.size(), 3u);
  EXPECT_EQ(map.levels[0].shapes.size(), 5000u);
  EXPECT_EQ(map.levels[1].shapes.size(), 1667u);
  EXPECT_TRUE(map.levels[2].shapes.empty()) << "EndLevel 2 reaches level 1: the top stays empty";
  EXPECT_EQ(map.levels[2].subdivisions, 1u);
  EXPECT_GT(map.levels[0].subdivisions, 10u) << "250 shapes at most per subdivision";
  EXPECT_GE(map.levels[0].subdivisions, map.levels[1].subdivisions);
}

TEST(OverviewMap, AreasAcrossTheAntimeridianAndTheEquatorKeepTheirCorners) {
  SourceSpec spec;
  spec.levelBits = {20, 18, 16};
  spec.areas = {{1.0, -179.5, -1.0, 179.5, "Date line", 1}, {0.5, 10.5, -0.5, 9.5, "Equator", 1}};
  const DecodedMap map = roundTrip(polishSource(spec));
  EXPECT_EQ(map.levels[1].shapes.size(), 2u);
  EXPECT_EQ(map.west, unitsFromDegrees(9.5));
  EXPECT_EQ(map.east, unitsFromDegrees(-179.5)) << "east of the antimeridian: west > east";
  EXPECT_EQ(map.south, unitsFromDegrees(-1.0));
}

TEST(OverviewMap, AnAreaAcrossTheAntimeridianAtFullResolutionStaysSmall) {
  SourceSpec spec;
  spec.levelBits = {24, 22, 20};
  spec.areas = {{0.1, -179.95, -0.1, 179.95, "narrow", 1}};
  roundTrip(polishSource(spec));
}

TEST(OverviewMap, LabelsKeepTheirWindows1252Bytes) {
  SourceSpec spec;
  spec.areas = tileGrid(2, 48.2, 11.5, 0.2);
  spec.areas[0].label = "M\xFCnchen \xC4u\xDF" "ere";
  spec.areas[1].label = spec.areas[0].label;
  const DecodedMap map = roundTrip(polishSource(spec));
  ASSERT_EQ(map.levels[0].shapes.size(), 2u);
  EXPECT_EQ(map.levels[0].shapes[1].label, "M\xFCnchen \xC4u\xDF" "ere");
}

TEST(OverviewMap, AnAreaSmallerThanOneUnitOfTheCoarsestLevelIsKept) {
  SourceSpec spec;
  spec.levelBits = {24, 12, 10};
  spec.areas = {{50.00001, 8.00001, 50.0, 8.0, "tiny", 1}};
  const DecodedMap map = roundTrip(polishSource(spec));
  ASSERT_EQ(map.levels[1].shapes.size(), 1u);
  const auto& points = map.levels[1].shapes[0].points;
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0], points[2]) << "all four corners on one point of the coarse grid";
}

TEST(OverviewMap, PolylinesAndPolygonsShareASubdivision) {
  const std::string source = polishSource(SourceSpec{0, "Mixed", {16, 15, 14}, {}}) +
                             "[POLYLINE]\r\nType=0x1\r\nLabel=B4\r\nEndLevel=1\r\n"
                             "Data0=(51.1,10.1),(51.2,10.3),(51.0,10.2),(51.3,10.0)\r\n[END]\r\n"
                             "[POLYGON]\r\nType=0x4a\r\nLabel=T\r\nData0=(51,10),(51,10.5),(50.5,10.5)\r\n[END]\r\n";
  const DecodedMap map = roundTrip(source);
  ASSERT_EQ(map.levels[0].shapes.size(), 2u);
  EXPECT_EQ(map.levels[1].shapes.size(), 1u);
  using Types = std::vector<std::pair<std::uint8_t, std::uint8_t>>;
  EXPECT_EQ(map.polylineTypes, (Types{{0x01, 1}}));
  EXPECT_EQ(map.polygonTypes, (Types{{0x4a, 0}}));
}

TEST(OverviewMap, APolygonWiderThanASubdivisionIsRefusedOnItsLine) {
  SourceSpec spec;
  spec.levelBits = {24};
  spec.areas = {{1.0, 3.0, 0.0, 0.0, "wide"}};
  const Compiled compiled = compile(polishSource(spec));
  EXPECT_FALSE(compiled.encoding.subfiles);
  ASSERT_EQ(compiled.encoding.problems.size(), 1u);
  EXPECT_EQ(compiled.encoding.problems[0].line, 13);
  EXPECT_EQ(compiled.encoding.problems[0].text, "the polygon is larger than one subdivision of level 0 can hold");
}

TEST(OverviewMap, APolygonWithMorePointsThanARecordHoldsIsRefusedOnItsLine) {
  std::string data = "Data0=";
  for (int i = 0; i < 40000; ++i) data += point(i % 2 ? 0.6 : 0.0, 0.6 * (i % 3) / 2) + ",";
  data.pop_back();
  const std::string source = "[IMG ID]\r\nID=1\r\nLevels=1\r\nLevel0=24\r\n[END-IMG ID]\r\n"
                             "[POLYGON]\r\nType=0x4a\r\n" + data + "\r\n[END]\r\n";
  const Compiled compiled = compile(source);
  EXPECT_FALSE(compiled.encoding.subfiles);
  ASSERT_FALSE(compiled.encoding.problems.empty());
  EXPECT_EQ(compiled.encoding.problems[0].line, 8);
  EXPECT_EQ(compiled.encoding.problems[0].text, "the polygon has more points or wider steps than one record holds");
}

TEST(OverviewMap, TheReaderRefusesEveryCutOfTheSubfiles) {
  SourceSpec spec;
  spec.areas = tileGrid(3, 51.9, 10.4, 0.3);
  const Compiled compiled = compile(polishSource(spec));
  ASSERT_TRUE(compiled.encoding.subfiles);
  const OverviewSubfiles& files = *compiled.encoding.subfiles;
  for (std::size_t size = 0; size < files.tre.size(); ++size)
    EXPECT_FALSE(decodeMap(files.tre.substr(0, size), files.rgn, files.lbl)) << "TRE cut at " << size;
  for (std::size_t size = 0; size < files.rgn.size(); ++size)
    EXPECT_FALSE(decodeMap(files.tre, files.rgn.substr(0, size), files.lbl)) << "RGN cut at " << size;
  for (std::size_t size = 0; size < files.lbl.size(); ++size)
    EXPECT_FALSE(decodeMap(files.tre, files.rgn, files.lbl.substr(0, size))) << "LBL cut at " << size;
}

}  // namespace
}  // namespace mapsetdesk::testing
