// The stand-ins of the outside programs write real files: run on the tiles
// and the device image that mkgmap made, their TDB, overview, tile, family
// and unpacked files are checked with the system's own format readers and
// against mkgmap's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/ToolRunnerTexts.h"
#include "support/GarminFiles.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbTiles.h"
#include "formats/TreDrawPriority.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/ToolRunner.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path) {
  return '"' + pathText(fs::path(path).make_preferred()) + '"';
}

std::vector<std::uint8_t> blockIds(const std::string& tdb) {
  std::vector<std::uint8_t> ids;
  for (const TdbBlock& block : walkTdbBlocks(tdb).blocks) ids.push_back(block.id);
  return ids;
}

// The map number, parent and bounds of each tile block: the first 24 bytes.
std::vector<std::string> tileBlockStarts(const std::string& tdb) {
  std::vector<std::string> starts;
  for (const TdbBlock& block : walkTdbBlocks(tdb).blocks)
    if (block.id == kTdbTileBlock) starts.push_back(tdb.substr(block.payload(), 24));
  return starts;
}

class StandinFiles : public GarminFilesTest {
 protected:
  void SetUp() override {
    GarminFilesTest::SetUp();
    if (IsSkipped()) return;
    installStandins(programFolder);
  }

  // Runs a stand-in of the program folder with its arguments; its output.
  std::string run(const std::string& program, const std::string& arguments) {
    CaptureWatcher quiet;
    const CapturedRun captured =
        runner.capture(quoted(programFolder / program) + " " + arguments, quiet);
    EXPECT_EQ(captured.failure, CaptureFailure::None);
    return captured.output;
  }

  // gmt's run for an installation: the two tiles in a folder with a blank.
  std::string joinTiles() {
    fs::create_directories(tiles);
    copyTo("mapset/63240001.img", tiles);
    copyTo("mapset/63240002.img", tiles);
    const fs::path list = programFolder / "list.txt";
    writeFile(list, toAnsi(pathText(tiles / "63240001.img") + "\r\n" +
                           pathText(tiles / "63240002.img") + "\r\n"));
    return run("gmt.exe", "-S -f 4711,1 -m Topo_Harz -n Topo_Har -o " + quoted(tiles) +
                              " -c 1252 -@ " + quoted(list));
  }

  void copyTo(const std::string& fixture, const fs::path& folder) {
    fs::copy_file(garmin(fixture), folder / garmin(fixture).filename(),
                  fs::copy_options::overwrite_existing);
  }

  fs::path programFolder = scratch_ / "program";
  fs::path tiles = scratch_ / "Karten Harz";
  std::unique_ptr<ProcessLauncher> launcher = openSystemProcessLauncher();
  ToolRunner runner{*launcher};
};

TEST_F(StandinFiles, GmtJoinsTilesIntoATdbWithTileBlocksAndACorrectChecksum) {
  const std::string output = joinTiles();
  EXPECT_EQ(output.rfind(std::string(kGmtBanner), 0), 0u) << output;

  const std::string tdb = readFile(tiles / "Topo_Har.tdb");
  const TdbHeaderResult header = parseTdbHeader(tdb);
  ASSERT_EQ(header.damage, TdbDamage::None);
  EXPECT_EQ(header.header.fid, 4711);
  EXPECT_EQ(header.header.pid, 1);
  EXPECT_GT(header.header.version, kTdbChecksumVersion);
  EXPECT_EQ(header.header.name, "Topo_Harz");
  EXPECT_EQ(blockIds(tdb), (std::vector<std::uint8_t>{0x50, 0x44, 0x52, 0x42, 0x4C, 0x4C, 0x54}));
  EXPECT_EQ(checkTdbChecksum(tdb).state, TdbChecksumState::Ok);

  const TdbTiles listed = readTdbTiles(tdb);
  ASSERT_EQ(listed.tiles.size(), 2u);
  EXPECT_EQ(listed.tiles[0].mapNumber, 63240001u);
  EXPECT_EQ(listed.tiles[1].mapNumber, 63240002u);
  EXPECT_EQ(listed.tiles[0].description, "Nordteil (63240001)");
  // Numbers, overview number and bounds as mkgmap wrote them for the same tiles.
  EXPECT_EQ(tileBlockStarts(tdb), tileBlockStarts(bytesOf("mapset/osmmap.tdb")));
}

TEST_F(StandinFiles, GmtWritesTheOverviewSourceAndItsHelperFiles) {
  joinTiles();
  const std::string source = readFile(tiles / "Topo_Har.mp");
  EXPECT_NE(source.find("\r\nLabel=GMapTool Preview\r\n"), std::string::npos);
  EXPECT_NE(source.find("\r\nType=0x0b00\r\n"), std::string::npos);
  EXPECT_NE(source.find("\r\nName=Topo_Harz\r\n"), std::string::npos);
  for (const char* helper : {"install.bat", "uninstall.bat", "Topo_Har.reg"})
    EXPECT_TRUE(fs::is_regular_file(tiles / helper)) << helper;
}

TEST_F(StandinFiles, CgpsmapperCompilesTheSourceIntoAnOverviewImage) {
  joinTiles();
  const std::string output = run("Version97c/cgpsmapper.exe", quoted(tiles / "Topo_Har.mp"));
  const fs::path overview = tiles / "Topo_Har.img";
  ASSERT_TRUE(fs::is_regular_file(overview)) << output;
  EXPECT_TRUE(readDrawPriority(pathText(overview), TreForm::TileFile).priority.has_value());
}

TEST_F(StandinFiles, CgpsmapperDoesNothingWithoutItsCompanionFile) {
  joinTiles();
  fs::remove(programFolder / "Version97c" / "sendg.dll");
  run("Version97c/cgpsmapper.exe", quoted(tiles / "Topo_Har.mp"));
  EXPECT_FALSE(fs::exists(tiles / "Topo_Har.img"));
}

TEST_F(StandinFiles, FaultsLeaveOutWhatTheTestAskedFor) {
  {
    const ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "no-overview");
    joinTiles();
    EXPECT_TRUE(fs::exists(tiles / "Topo_Har.tdb"));
    EXPECT_FALSE(fs::exists(tiles / "Topo_Har.mp"));
  }
  {
    const ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "bad-checksum");
    joinTiles();
    EXPECT_EQ(checkTdbChecksum(readFile(tiles / "Topo_Har.tdb")).state, TdbChecksumState::Bad);
  }
  {
    const ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "no-label");
    joinTiles();
    const std::string source = readFile(tiles / "Topo_Har.mp");
    EXPECT_EQ(source.find("GMapTool Preview"), std::string::npos);
    EXPECT_NE(source.find("Type=0x0b00"), std::string::npos);
  }
  {
    const ScopedEnvironment fault("MAPSETDESK_CGPSMAPPER_FAULT", "nothing");
    run("Version97c/cgpsmapper.exe", quoted(tiles / "Topo_Har.mp"));
    EXPECT_FALSE(fs::exists(tiles / "Topo_Har.img"));
  }
  fs::remove_all(tiles);
  {
    const ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "nothing");
    joinTiles();
    EXPECT_FALSE(fs::exists(tiles / "Topo_Har.tdb"));
    EXPECT_FALSE(fs::exists(tiles / "Topo_Har.mp"));
  }
}

TEST_F(StandinFiles, GmtSplitsADeviceImageByFamilyAndThenIntoTheFamilysFiles) {
  copyTo("mapset/gmapsupp.img", scratch_.path());
  const fs::path split = scratch_ / "SplittMaps";
  run("gmt.exe", "-G -o " + quoted(split) + " " + quoted(scratch_ / "gmapsupp.img"));
  const fs::path family = split / "gmapsupp_4711.img";
  ASSERT_TRUE(fs::is_regular_file(family));
  EXPECT_EQ(std::distance(fs::directory_iterator(split), fs::directory_iterator()), 1);

  const fs::path work = split / "gmapsupp_4711";
  fs::create_directories(work);
  fs::rename(family, work / "gmapsupp_4711.img");
  run("gmt.exe", "-S -o " + quoted(work) + " " + quoted(work / "gmapsupp_4711.img"));

  const TdbHeaderResult header = parseTdbHeader(readFile(work / "mapset.tdb"));
  ASSERT_EQ(header.damage, TdbDamage::None);
  EXPECT_EQ(header.header.fid, 4711);
  EXPECT_EQ(header.header.pid, 3);
  EXPECT_EQ(header.header.name, kMkgmapSeriesName);
  EXPECT_EQ(checkTdbChecksum(readFile(work / "mapset.tdb")).state, TdbChecksumState::Ok);
  EXPECT_EQ(readMdxFids(readFile(work / "mapset.mdx")).fids,
            (std::vector<std::uint16_t>{4711, 4711}));
  EXPECT_TRUE(fs::is_regular_file(work / "mapset.mp"));
  EXPECT_EQ(readDrawPriority(pathText(work / "63240001.img"), TreForm::TileFile).priority,
            kMkgmapNorthPriority);
  EXPECT_EQ(readDrawPriority(pathText(work / "63240002.img"), TreForm::TileFile).priority,
            kMkgmapSouthPriority);
}

TEST_F(StandinFiles, AnImageWithoutAFamilyForGmtGivesNoFamilyFileButStillItsTiles) {
  copyTo("mapset/gmapsupp.img", scratch_.path());
  const fs::path split = scratch_ / "SplittMaps";
  {
    const ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "no-family");
    run("gmt.exe", "-G -o " + quoted(split) + " " + quoted(scratch_ / "gmapsupp.img"));
  }
  EXPECT_FALSE(fs::exists(split / "gmapsupp_4711.img"));
  fs::create_directories(split);
  run("gmt.exe", "-S -o " + quoted(split) + " " + quoted(scratch_ / "gmapsupp.img"));
  EXPECT_TRUE(fs::is_regular_file(split / "63240001.img"));
  EXPECT_TRUE(fs::is_regular_file(split / "63240002.img"));
}

TEST_F(StandinFiles, GmtUnpacksAnImageIntoTheSubfilesMkgmapPacked) {
  const fs::path folder = scratch_ / "Product1" / "63240001";
  run("gmt.exe", "-g -o " + quoted(folder) + " " + quoted(garmin("mapset/63240001.img")));
  const fs::path packed = garmin("mapset/Harz Familie.gmap/Product3/63240001");
  for (const char* subfile : {"63240001.TRE", "63240001.RGN", "63240001.LBL"})
    EXPECT_TRUE(readFile(folder / subfile) == readFile(packed / subfile)) << subfile;
}

TEST_F(StandinFiles, SetAclRecordsTheTwoCallsOfTheRegistryRights) {
  run("BIN/SetACL.exe", "-on HKLM\\SOFTWARE\\Garmin -ot reg -actn setowner -ownr \"n:tester\"");
  run("BIN/SetACL.exe", "-on HKLM\\SOFTWARE\\Garmin -ot reg -actn ace -ace \"n:tester;p:full\"");
  run("BIN/SetACL.exe", "-on HKLM\\SOFTWARE\\Garmin -ot file -actn ace");
  EXPECT_EQ(readFile(programFolder / "BIN" / "SetACL.log"),
            "setowner\tHKLM\\SOFTWARE\\Garmin\ttester\n"
            "ace\tHKLM\\SOFTWARE\\Garmin\ttester\tfull\n");
}

}  // namespace
}  // namespace mapsetdesk::testing
