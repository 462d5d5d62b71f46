// What MapSource needs of a compiled overview beside the TDB that gmt wrote:
// the TDB's overview block names the overview map's number, and the
// overview's bounds cover the bounds of every tile block. Run on the gmt
// stand-in's files for mkgmap's two tiles, patched as the installation
// patches the source.
#include <gtest/gtest.h>

#include <filesystem>

#include "builtin/OverviewCompiler.h"
#include "formats/ByteReader.h"
#include "formats/ImgContainer.h"
#include "formats/MapDecoder.h"
#include "formats/TdbLayout.h"
#include "platform/FilePath.h"
#include "platform/ToolRunner.h"
#include "support/GarminFiles.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class QuietReport : public builtin::ToolReport {
 public:
  void line(const std::string&) override {}
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// TDB bounds: the 24-bit map units in the upper three bytes of each u32.
std::int32_t tdbUnits(ByteReader& reader) { return static_cast<std::int32_t>(reader.u32()) >> 8; }

using OverviewForMapSource = GarminFilesTest;

TEST_F(OverviewForMapSource, TheTdbNamesTheOverviewAndItsBoundsCoverEveryTile) {
  const fs::path program = scratch_ / "program";
  installStandins(program);
  const fs::path tiles = scratch_ / "tiles";
  copyTilesWithList(tiles, program / "list.txt");
  const auto launcher = openSystemProcessLauncher();
  ToolRunner runner(*launcher);
  CaptureWatcher quiet;
  runner.capture('"' + pathText(program / "gmt.exe") + "\" -S -f 4711,1 -m Harz -n Harzoooo -o \"" +
                     pathText(tiles) + "\" -c 1252 -@ \"" + pathText(program / "list.txt") + '"',
                 quiet);
  const fs::path source = tiles / "Harzoooo.mp";
  ASSERT_TRUE(fs::is_regular_file(source));
  writeFile(source, replaced(replaced(readFile(source), "Label=GMapTool Preview", " "), "Type=0x0b00",
                             "Type=0x6300"));

  QuietReport report;
  ASSERT_TRUE(builtin::compileOverview(pathText(source), report));
  const auto container = readImgContainer(readFile(tiles / "Harzoooo.img"));
  ASSERT_TRUE(container);
  ASSERT_EQ(container->subfiles.size(), 3u);
  const auto map = decodeMap(container->subfiles[0].bytes, container->subfiles[1].bytes,
                             container->subfiles[2].bytes);
  ASSERT_TRUE(map);

  const std::string tdb = readFile(tiles / "Harzoooo.tdb");
  std::size_t tileBlocks = 0;
  for (const TdbBlock& block : walkTdbBlocks(tdb).blocks) {
    ByteReader reader(tdb, block.payload());
    if (block.id == kTdbOverviewBlock) {
      EXPECT_EQ(reader.u32(), map->mapNumber);
    }
    if (block.id != kTdbTileBlock) continue;
    ++tileBlocks;
    reader.skip(8);  // the tile's number and its overview's
    const std::int32_t north = tdbUnits(reader), east = tdbUnits(reader);
    const std::int32_t south = tdbUnits(reader), west = tdbUnits(reader);
    ASSERT_TRUE(reader.ok());
    EXPECT_LE(north, map->north);
    EXPECT_LE(east, map->east);
    EXPECT_GE(south, map->south);
    EXPECT_GE(west, map->west);
  }
  EXPECT_EQ(tileBlocks, 2u);
}

}  // namespace
}  // namespace mapsetdesk::testing
