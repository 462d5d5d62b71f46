#include "formats/PolishSource.h"

#include <gtest/gtest.h>

#include "formats/MapUnits.h"
#include "support/OverviewSources.h"

namespace mapsetdesk::testing {
namespace {

bool hasRefusal(const PolishParse& parse, int line, const std::string& fragment) {
  for (const MapNote& note : parse.notes)
    if (note.refused && note.line == line && note.text.find(fragment) != std::string::npos) return true;
  return false;
}

std::string header(const std::string& levels = "Levels=2\r\nLevel0=16\r\nLevel1=15\r\n") {
  return "[IMG ID]\r\nID=77\r\nName=Test\r\n" + levels + "[END-IMG ID]\r\n";
}

TEST(PolishSource, ReadsTheSourceTheBuiltInGmtWrites) {
  SourceSpec spec;
  spec.areas = tileGrid(2, 51.9, 10.4, 0.25);
  spec.areas[1].endLevel = 1;
  const PolishParse parse = parsePolishSource(polishSource(spec));
  EXPECT_TRUE(parse.notes.empty()) << parse.notes.front().text;
  const OverviewMap& map = parse.map;
  EXPECT_EQ(map.mapNumber, 63240000u);
  EXPECT_EQ(map.name, "Harz");
  EXPECT_EQ(map.codePage, 1252);
  EXPECT_EQ(map.levelBits, (std::vector<int>{16, 15}));
  ASSERT_EQ(map.shapes.size(), 2u);
  const MapShape& first = map.shapes[0];
  EXPECT_EQ(first.kind, ShapeKind::Polygon);
  EXPECT_EQ(first.type, 0x4a);
  EXPECT_EQ(first.label, "63240001");
  EXPECT_EQ(first.firstLevel, 0);
  EXPECT_EQ(first.lastLevel, 0) << "without EndLevel a shape stays on the level of its Data line";
  EXPECT_EQ(map.shapes[1].lastLevel, 0) << "the top level stays empty";
  ASSERT_EQ(first.points.size(), 4u);
  EXPECT_EQ(first.points[0], (MapPoint{unitsFromDegrees(51.9), unitsFromDegrees(10.4)}));
  EXPECT_EQ(first.points[2], (MapPoint{unitsFromDegrees(51.65), unitsFromDegrees(10.65)}));
}

TEST(PolishSource, TheStandInSourceAfterThePatchIgnoresOnlyPreprocess) {
  const std::string text =
      "; overview map of Harz, written by the gmt stand-in\r\n[IMG ID]\r\nCodePage=1252\r\n"
      "LblCoding=9\r\nID=63240000\r\nName=Harz\r\nPreprocess=F\r\nLevels=2\r\nLevel0=16\r\n"
      "Level1=15\r\nZoom0=3\r\nZoom1=4\r\n[END-IMG ID]\r\n\r\n[POLYGON]\r\nType=0x6300\r\n \r\n"
      "Data0=(51.9,10.4),(51.9,10.7),(51.5,10.7),(51.5,10.4)\r\n[END]\r\n";
  const PolishParse parse = parsePolishSource(text);
  ASSERT_EQ(parse.notes.size(), 1u);
  EXPECT_FALSE(parse.notes[0].refused);
  EXPECT_EQ(parse.notes[0].line, 7);
  EXPECT_EQ(parse.notes[0].text, "Preprocess=F ignored");
  ASSERT_EQ(parse.map.shapes.size(), 1u);
  EXPECT_EQ(parse.map.shapes[0].type, 0x63) << "a two-byte type names its type in the high byte";
  EXPECT_EQ(parse.map.shapes[0].label, "");
}

TEST(PolishSource, DataLinesOfSeveralLevelsShareTheLevelsUpToEndLevel) {
  const std::string text = header("Levels=4\r\nLevel0=18\r\nLevel1=16\r\nLevel2=14\r\nLevel3=12\r\n") +
                           "[POLYLINE]\r\nType=0x1\r\nLabel=A\r\nEndLevel=2\r\n"
                           "Data0=(1,1),(2,2),(3,1)\r\nData1=(1,1),(3,1)\r\n[END]\r\n";
  const PolishParse parse = parsePolishSource(text);
  ASSERT_FALSE(parse.refused());
  ASSERT_EQ(parse.map.shapes.size(), 2u);
  EXPECT_EQ(parse.map.shapes[0].kind, ShapeKind::Polyline);
  EXPECT_EQ(std::make_pair(parse.map.shapes[0].firstLevel, parse.map.shapes[0].lastLevel), std::make_pair(0, 0));
  EXPECT_EQ(std::make_pair(parse.map.shapes[1].firstLevel, parse.map.shapes[1].lastLevel), std::make_pair(1, 2));
  EXPECT_EQ(parse.map.shapes[1].points.size(), 2u);
  EXPECT_EQ(parse.map.shapes[1].line, 15);
}

TEST(PolishSource, LongitudeOneEightyIsMinusOneEighty) {
  const PolishParse parse = parsePolishSource(header() + "[POLYGON]\r\nType=0x4a\r\n"
                                              "Data0=(1,180),(1,179),(0,179)\r\n[END]\r\n");
  ASSERT_FALSE(parse.refused());
  EXPECT_EQ(parse.map.shapes[0].points[0].lon, -kHalfCircle);
}

struct Broken {
  std::string text;
  int line;
  std::string fragment;
};

TEST(PolishSource, ABrokenSourceIsRefusedWithTheLineNamed) {
  const std::string polygon = "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,2),(2,2)\r\n[END]\r\n";
  const std::vector<Broken> cases = {
      {polygon, 1, "stands before the [IMG ID] section"},
      {"; nothing\r\n", 1, "the source has no [IMG ID] section"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,2),(2)\r\n[END]\r\n", 10, "odd number of values"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData0=(91,1),(1,2),(2,2)\r\n[END]\r\n", 10, "coordinate out of range"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,180.5),(2,2)\r\n[END]\r\n", 10, "coordinate out of range"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,x),(2,2)\r\n[END]\r\n", 10, "not a coordinate"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,2)\r\n[END]\r\n", 10, "fewer than 3 points"},
      {header() + "[POI]\r\nType=0x2f\r\n[END]\r\n", 8, "[POI] is not a section an overview map holds"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,2),(2,2)\r\n", 8, "[POLYGON] is not closed by [END]"},
      {header() + "[POLYGON]\r\nType=0x80\r\nData0=(1,1),(1,2),(2,2)\r\n[END]\r\n", 9, "no type a polygon can have"},
      {header() + "[POLYLINE]\r\nType=0x40\r\nData0=(1,1),(1,2)\r\n[END]\r\n", 9, "no type a polyline can have"},
      {header() + "[POLYGON]\r\nData0=(1,1),(1,2),(2,2)\r\n[END]\r\n", 8, "[POLYGON] has no Type"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData2=(1,1),(1,2),(2,2)\r\n[END]\r\n", 10, "names a level the map does not have"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nData1=(1,1),(1,2),(2,2)\r\n[END]\r\n", 10, "names the top level, which stays empty"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nLabel=A" + std::string(1, '\0') + "B\r\nData0=(1,1),(1,2),(2,2)\r\n[END]\r\n", 10, "Label holds a zero byte"},
      {header() + "[POLYGON]\r\nType=0x4a\r\nthis line\r\n[END]\r\n", 10, "is not a key=value line"},
      {header("Levels=2\r\nLevel0=16\r\nLevel1=17\r\n") + polygon, 1, "Level1 has more bits than Level0"},
      {header("Levels=2\r\nLevel0=16\r\n") + polygon, 1, "[IMG ID] has no Level1"},
      {header("Levels=11\r\n") + polygon, 4, "not a level count"},
      {"[IMG ID]\r\nName=X\r\nLevels=1\r\nLevel0=16\r\n[END-IMG ID]\r\n" + polygon, 1, "[IMG ID] has no ID"},
      {"[IMG ID]\r\nID=77\r\nName=X\r\nID=5\r\nLevels=1\r\nLevel0=16\r\n[END-IMG ID]\r\n" + polygon, 4, "ID= given twice"},
      {"[IMG ID]\r\nID=123456789\r\nLevels=1\r\nLevel0=16\r\n[END-IMG ID]\r\n" + polygon, 2, "has more than eight digits"},
  };
  for (const Broken& broken : cases) {
    const PolishParse parse = parsePolishSource(broken.text);
    EXPECT_TRUE(parse.refused()) << broken.fragment;
    EXPECT_TRUE(hasRefusal(parse, broken.line, broken.fragment))
        << broken.fragment << " on line " << broken.line << "; first note: line "
        << (parse.notes.empty() ? 0 : parse.notes[0].line) << " " << (parse.notes.empty() ? "" : parse.notes[0].text);
  }
}

}  // namespace
}  // namespace mapsetdesk::testing
