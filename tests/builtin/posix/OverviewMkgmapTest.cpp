// mkgmap as a second opinion: for the same overview source, its map and the
// built-in compiler's have the same bounds, the same levels and the same
// shapes (type, label, rounded points) on every level, both read by the
// system's own reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "builtin/OverviewCompiler.h"
#include "formats/ImgContainer.h"
#include "formats/MapDecoder.h"
#include "formats/OverviewSource.h"
#include "formats/PolishSource.h"
#include "formats/TdbTiles.h"
#include "platform/FilePath.h"
#include "platform/ToolRunner.h"
#include "support/OverviewSources.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMkgmapJar = "/usr/share/mkgmap/mkgmap.jar";
// mkgmap adds a background area of this type to every map it makes.
constexpr int kMkgmapBackground = 0x4b;
// mkgmap rounds the bounds outwards by up to this many map units.
constexpr std::int32_t kBoundsSlack = 2;

class SilentReport : public builtin::ToolReport {
 public:
  void line(const std::string&) override {}
};

std::optional<DecodedMap> decodeImg(const fs::path& img) {
  const auto container = readImgContainer(readFile(img));
  if (!container) return std::nullopt;
  std::string tre, rgn, lbl;
  for (const ImgSubfile& subfile : container->subfiles) {
    if (subfile.type == "TRE") tre = subfile.bytes;
    if (subfile.type == "RGN") rgn = subfile.bytes;
    if (subfile.type == "LBL") lbl = subfile.bytes;
  }
  return decodeMap(tre, rgn, lbl);
}

// The levels without the shapes of one label.
std::vector<LevelShapes> without(std::vector<LevelShapes> levels, const std::string& label) {
  for (LevelShapes& level : levels)
    std::erase_if(level, [&](const ShapeKey& shape) { return std::get<2>(shape) == label; });
  return levels;
}

class OverviewAgainstMkgmap : public ::testing::Test {
 protected:
  // lostByMkgmap: the label of shapes that mkgmap drops and the built-in compiler keeps.
  void compareOn(const std::string& source, const std::string& what, const std::string& lostByMkgmap = {}) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(fs::is_regular_file(kMkgmapJar)) << "Debian's mkgmap is a test requirement";
    const fs::path mp = folder / "overview.mp";
    writeFile(mp, source);
    SilentReport report;
    ASSERT_TRUE(builtin::compileOverview(pathText(mp), report));
    const auto ours = decodeImg(folder / "overview.img");

    const std::uint32_t number = parsePolishSource(source).map.mapNumber;
    const fs::path out = folder / "mkgmap";
    CaptureWatcher quiet;
    const auto run = runner.capture("java -jar " + std::string(kMkgmapJar) + " --output-dir=" + pathText(out) +
                                        " --code-page=1252 --lower-case --min-size-polygon=0 --mapname=" + std::to_string(number) +
                                        " " + pathText(mp),
                                    quiet);
    ASSERT_EQ(run.failure, CaptureFailure::None);
    const auto theirs = decodeImg(out / (tileName(number) + ".img"));
    ASSERT_TRUE(ours);
    ASSERT_TRUE(theirs) << run.output;

    for (const auto& [mine, other] : {std::pair{ours->north, theirs->north}, {ours->east, theirs->east},
                                      {ours->south, theirs->south}, {ours->west, theirs->west}})
      EXPECT_LE(std::abs(mine - other), kBoundsSlack);
    ASSERT_EQ(ours->levels.size(), theirs->levels.size());
    for (std::size_t level = 0; level < ours->levels.size(); ++level)
      EXPECT_EQ(ours->levels[level].bits, theirs->levels[level].bits);
    const std::vector<LevelShapes> mine = decodedLevels(*ours);
    const std::vector<LevelShapes> shared = lostByMkgmap.empty() ? mine : without(mine, lostByMkgmap);
    EXPECT_EQ(shared, decodedLevels(*theirs, {kMkgmapBackground}));
    if (!lostByMkgmap.empty()) {
      EXPECT_NE(shared, mine) << "the built-in compiler keeps " << lostByMkgmap;
    }
  }

  TempDir folder;
  std::unique_ptr<ProcessLauncher> launcher = openSystemProcessLauncher();
  ToolRunner runner{*launcher};
};

TEST_F(OverviewAgainstMkgmap, TheSourcesOfTheStandinAndOfTheBuiltInGmt) {
  SourceSpec standin;
  standin.areas = tileGrid(2, 51.9, 10.4, 0.3);
  standin.areas.push_back({51.9, 11.0, 51.6, 10.4, "", -1, "0x6300"});
  compareOn(polishSource(standin), "stand-in");
  compareOn(writeOverviewSource(gridMapset(1, 47.5, 9.5, 0.25)), "one tile");
}

TEST_F(OverviewAgainstMkgmap, FiveThousandTiles) {
  compareOn(writeOverviewSource(gridMapset(5000, 60.0, 5.0, 0.125)), "5000 tiles");
}

TEST_F(OverviewAgainstMkgmap, UmlautsTheEquatorAndTheUpperLevel) {
  SourceSpec spec;
  spec.levelBits = {20, 17, 15};
  spec.areas = {{0.5, 10.5, -0.5, 9.5, "\xC4quator", 1},
                {48.2, 11.7, 48.0, 11.4, "M\xFCnchen", 0},
                {-33.8, 151.3, -34.0, 151.1, "Sydney", 1}};
  compareOn(polishSource(spec), "umlauts and equator");
}

TEST_F(OverviewAgainstMkgmap, AnAreaSmallerThanOneUnit) {
  SourceSpec spec;
  spec.levelBits = {20, 12, 10};
  spec.areas = {{50.00001, 8.00001, 50.0, 8.0, "tiny", 1}, {51.0, 9.0, 50.5, 8.5, "large", 1}};
  // mkgmap drops an area that shrinks to one point; the overview keeps it.
  compareOn(polishSource(spec), "tiny area", "tiny");
}

}  // namespace
}  // namespace mapsetdesk::testing
