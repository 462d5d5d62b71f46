// The built-in compiler on overview sources as the built-in gmt and the gmt
// stand-in (after the installation's patch) write them: NAME.img appears
// beside NAME.mp and reads back, level by level, as the source says; a
// broken source leaves no IMG and names its line.
#include "builtin/OverviewCompiler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "formats/ImgContainer.h"
#include "formats/MapDecoder.h"
#include "formats/MapUnits.h"
#include "formats/OverviewSource.h"
#include "formats/PolishSource.h"
#include "support/OverviewSources.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class RecordingReport : public builtin::ToolReport {
 public:
  void line(const std::string& text) override { lines.push_back(text); }
  bool has(const std::string& text) const { return std::find(lines.begin(), lines.end(), text) != lines.end(); }
  std::vector<std::string> lines;
};

// The stand-in's source after "Label=GMapTool Preview" became " " and
// "Type=0x0b00" became "Type=0x6300".
const char* const kPatchedStandinSource =
    "; overview map of Harz, written by the gmt stand-in\r\n[IMG ID]\r\nCodePage=1252\r\n"
    "LblCoding=9\r\nID=63240000\r\nName=Harz\r\nPreprocess=F\r\nLevels=2\r\nLevel0=16\r\n"
    "Level1=15\r\nZoom0=3\r\nZoom1=4\r\n[END-IMG ID]\r\n\r\n"
    "[POLYGON]\r\nType=0x4a\r\nLabel=63240001\r\n"
    "Data0=(51.900000,10.400000),(51.900000,10.700000),(51.700000,10.700000),(51.700000,10.400000)\r\n"
    "[END]\r\n\r\n[POLYGON]\r\nType=0x4a\r\nLabel=63240002\r\n"
    "Data0=(51.700000,10.400000),(51.700000,10.700000),(51.500000,10.700000),(51.500000,10.400000)\r\n"
    "[END]\r\n\r\n[POLYGON]\r\nType=0x6300\r\n \r\n"
    "Data0=(51.900000,10.400000),(51.900000,10.700000),(51.500000,10.700000),(51.500000,10.400000)\r\n"
    "[END]\r\n";

// Within the bounds; west above east: the bounds cross the antimeridian.
bool covers(const DecodedMap& map, MapPoint point) {
  const bool east = map.west <= map.east ? point.lon >= map.west && point.lon <= map.east
                                         : point.lon >= map.west || point.lon <= map.east;
  return east && point.lat >= map.south && point.lat <= map.north;
}

class OverviewCompiler : public ::testing::Test {
 protected:
  // Writes the source as Harzoooo.mp, compiles it and reads the IMG back.
  std::optional<ImgContainer> compile(const std::string& source) {
    writeFile(sourcePath(), source);
    compiled = builtin::compileOverview(sourcePath().string(), report);
    if (!fs::exists(imgPath())) return std::nullopt;
    return readImgContainer(readFile(imgPath()));
  }
  fs::path sourcePath() const { return folder / "Harzoooo.mp"; }
  fs::path imgPath() const { return folder / "Harzoooo.img"; }

  // The map in the container must hold what the source says on every level.
  void expectSourceInside(const ImgContainer& container, const std::string& source) {
    ASSERT_EQ(container.subfiles.size(), 3u);
    const OverviewMap map = parsePolishSource(source).map;
    std::vector<std::string> names;
    for (const ImgSubfile& subfile : container.subfiles) names.push_back(subfile.fileName());
    const std::string number = std::to_string(map.mapNumber);
    EXPECT_EQ(names, (std::vector<std::string>{number + ".TRE", number + ".RGN", number + ".LBL"}));
    const auto decoded = decodeMap(container.subfiles[0].bytes, container.subfiles[1].bytes,
                                   container.subfiles[2].bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->mapNumber, map.mapNumber);
    EXPECT_EQ(decodedLevels(*decoded), expectedLevels(map));
    for (const MapShape& shape : map.shapes)
      for (const MapPoint& point : shape.points) EXPECT_TRUE(covers(*decoded, point));
  }

  TempDir folder;
  RecordingReport report;
  bool compiled = false;
};

TEST_F(OverviewCompiler, ThePatchedStandinSourceBecomesTheImgBesideIt) {
  const auto container = compile(kPatchedStandinSource);
  EXPECT_TRUE(compiled);
  ASSERT_TRUE(container);
  EXPECT_EQ(container->description, "Harz");
  expectSourceInside(*container, kPatchedStandinSource);
  EXPECT_EQ(report.lines, (std::vector<std::string>{
                              "compiling " + sourcePath().string(), "line 7: Preprocess=F ignored",
                              "wrote " + imgPath().string() + ": 3 shapes on 2 levels"}));
}

TEST_F(OverviewCompiler, TheBuiltInGmtSourcesOfOneAndOf5000TilesCompile) {
  for (const std::size_t tiles : {std::size_t{1}, std::size_t{5000}}) {
    const std::string source = writeOverviewSource(gridMapset(tiles, 55.0, 5.0, 0.1));
    const auto container = compile(source);
    EXPECT_TRUE(compiled) << tiles;
    ASSERT_TRUE(container) << tiles;
    expectSourceInside(*container, source);
  }
}

TEST_F(OverviewCompiler, TheBuiltInGmtSourceOfTilesAcrossTheAntimeridianAndWithUmlautsCompiles) {
  Mapset mapset = gridMapset(2, -16.0, 179.5, 0.5);
  mapset.name = "Fidschi S\xFC" "d";
  mapset.tiles[1].bounds.east = unitsFromDegrees(-179.5);
  const std::string source = writeOverviewSource(mapset);
  const auto container = compile(source);
  ASSERT_TRUE(container);
  EXPECT_EQ(container->description, "Fidschi S\xFC" "d");
  expectSourceInside(*container, source);
}

TEST_F(OverviewCompiler, ABrokenSourceLeavesNoImgAndNamesItsLine) {
  const std::string source = "[IMG ID]\r\nID=5\r\nLevels=1\r\nLevel0=16\r\n[END-IMG ID]\r\n"
                             "[POLYGON]\r\nType=0x4a\r\nData0=(1,1),(1,2),(2)\r\n[END]\r\n";
  EXPECT_FALSE(compile(source));
  EXPECT_FALSE(compiled);
  EXPECT_TRUE(report.has("line 8: Data0 holds an odd number of values"));
  EXPECT_TRUE(report.has("no overview map written"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
      << "nothing but the source";
}

TEST_F(OverviewCompiler, ASourceTheEncoderRefusesLeavesTheOldImgAlone) {
  writeFile(imgPath(), "the old overview");
  SourceSpec spec;
  spec.levelBits = {24};
  spec.areas = {{1.0, 3.0, 0.0, 0.0, "wide"}};
  compile(polishSource(spec));
  EXPECT_FALSE(compiled);
  EXPECT_TRUE(report.has("line 13: the polygon is larger than one subdivision of level 0 can hold"));
  EXPECT_EQ(readFile(imgPath()), "the old overview");
}

TEST_F(OverviewCompiler, AMissingSourceIsReported) {
  EXPECT_FALSE(builtin::compileOverview((folder / "none.mp").string(), report));
  ASSERT_EQ(report.lines.size(), 1u);
  EXPECT_EQ(report.lines[0].rfind("cannot read " + (folder / "none.mp").string(), 0), 0u);
}

TEST_F(OverviewCompiler, AnEarlierImgIsReplacedWhole) {
  writeFile(imgPath(), std::string(100000, 'x'));
  const auto container = compile(kPatchedStandinSource);
  ASSERT_TRUE(container);
  expectSourceInside(*container, kPatchedStandinSource);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2)
      << "the source and the IMG, no temporary file";
}

}  // namespace
}  // namespace mapsetdesk::testing
