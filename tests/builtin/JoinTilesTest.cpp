// Tiles -> TDB + overview source, checked against the TDB mkgmap made for
// the same tiles, and with damaged tiles.
#include <gtest/gtest.h>

#include <algorithm>

#include "builtin/BuiltinGmt.h"
#include "builtin/GmtFiles.h"
#include "builtin/OverviewCompiler.h"
#include "builtin/ReportLines.h"
#include "formats/ImgContainer.h"
#include "formats/ImgFile.h"
#include "formats/OverviewSource.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbTiles.h"
#include "formats/TreHeader.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class JoinTiles : public GarminFilesTest {
 protected:
  // Runs the join on the tiles given (paths), into the folder "out".
  bool join(const std::vector<std::string>& tiles) {
    std::string list;
    for (const std::string& tile : tiles) list += tile + "\r\n";
    writeFile(scratch_ / "list.txt", list);
    return builtin::runGmt({"-S", "-f", "4321,1", "-m",
                            "Harz_S\xC3\xBC"
                            "d",
                            "-n", "Harz_Sud", "-o", pathText(out), "-c", "1252", "-@",
                            pathText(scratch_ / "list.txt")},
                           report);
  }
  std::vector<std::string> mkgmapTiles() {
    return {copy("mapset/63240001.img"), copy("mapset/63240002.img")};
  }

  fs::path out = scratch_ / "out";
  KeptReport report;
};

TEST_F(JoinTiles, TheTdbListsTheTilesAsMkgmapsTdbDoesWithTheGivenNamesAndIds) {
  ASSERT_TRUE(join(mkgmapTiles()));
  const std::string tdb = readFile(out / "Harz_Sud.tdb");
  const std::string theirs = bytesOf("mapset/osmmap.tdb");

  EXPECT_EQ(tdbTileFacts(tdb), tdbTileFacts(theirs));
  EXPECT_EQ(tdbTileFacts(tdb).size(), 2u);
  EXPECT_EQ(tdbOverviewNumber(tdb), tdbOverviewNumber(theirs));
  const TdbHeaderResult header = parseTdbHeader(tdb);
  ASSERT_EQ(header.damage, TdbDamage::None);
  EXPECT_EQ(header.header.fid, 4321);
  EXPECT_EQ(header.header.pid, 1);
  EXPECT_EQ(header.header.version, 407);
  EXPECT_EQ(header.header.name,
            "Harz_S\xFC"
            "d");
  EXPECT_EQ(checkTdbChecksum(tdb).state, TdbChecksumState::Ok);
  const TdbTiles tiles = readTdbTiles(tdb);
  ASSERT_EQ(tiles.tiles.size(), 2u);
  EXPECT_EQ(tiles.tiles[0].description, "Nordteil (63240001)");
}

TEST_F(JoinTiles, TheOverviewSourceHasOneAreaPerTileThatThePatchLeavesAlone) {
  ASSERT_TRUE(join(mkgmapTiles()));
  const std::string source = readFile(out / "Harz_Sud.mp");

  EXPECT_EQ(source.find("Label=GMapTool Preview"), std::string::npos);
  EXPECT_EQ(source.find("Type=0x0b00"), std::string::npos);
  EXPECT_EQ(source.rfind("[IMG ID]\r\nID=63240000\r\nName=Harz_S\xFC"
                         "d\r\nCodePage=1252\r\n",
                         0),
            0u);
  for (std::size_t at = source.find('\n'); at != std::string::npos; at = source.find('\n', at + 1))
    EXPECT_EQ(source[at - 1], '\r');
  const ImgContainer north = *readImgContainer(bytesOf("mapset/63240001.img"));
  const auto tre = std::find_if(north.subfiles.begin(), north.subfiles.end(),
                                [](const ImgSubfile& subfile) { return subfile.type == "TRE"; });
  ASSERT_NE(tre, north.subfiles.end());
  const auto facts = readTreFacts(tre->bytes, tre->name);
  ASSERT_TRUE(facts);
  const MapBounds b = facts->bounds;
  const std::string corners = "(" + mapUnitsAsDegrees(b.north) + "," + mapUnitsAsDegrees(b.west) +
                              "),(" + mapUnitsAsDegrees(b.north) + "," + mapUnitsAsDegrees(b.east) +
                              "),(" + mapUnitsAsDegrees(b.south) + "," + mapUnitsAsDegrees(b.east) +
                              "),(" + mapUnitsAsDegrees(b.south) + "," + mapUnitsAsDegrees(b.west) +
                              ")";
  EXPECT_NE(source.find("[POLYGON]\r\nType=0x4a\r\nLabel=63240001\r\nEndLevel=0\r\nData0=" +
                        corners + "\r\n[END]\r\n"),
            std::string::npos)
      << source;
  EXPECT_NE(source.find("Label=63240002\r\n"), std::string::npos);
}

TEST_F(JoinTiles, TheCompiledOverviewCoversTheTilesUnderTheNumberTheTdbNames) {
  ASSERT_TRUE(join(mkgmapTiles()));
  ASSERT_TRUE(builtin::compileOverview(pathText(out / "Harz_Sud.mp"), report));
  const auto overview = readImgContainer(readFile(out / "Harz_Sud.img"));
  ASSERT_TRUE(overview);
  MapBounds tiles;
  for (const char* tile : {"mapset/63240001.img", "mapset/63240002.img"}) {
    const auto container = readImgContainer(bytesOf(tile));
    const MapBounds bounds = readTreFacts(container->subfiles[1].bytes, "")->bounds;
    tiles = tiles == MapBounds{} ? bounds : around(tiles, bounds);
  }
  int tres = 0;
  for (const ImgSubfile& subfile : overview->subfiles) {
    if (subfile.type != "TRE") continue;
    ++tres;
    const auto facts = readTreFacts(subfile.bytes, subfile.name);
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->bounds, tiles);
    EXPECT_EQ(facts->mapNumber, tdbOverviewNumber(readFile(out / "Harz_Sud.tdb")));
  }
  EXPECT_EQ(tres, 1);
}

TEST_F(JoinTiles, ReportsEveryFileReadAndWrittenAndLetsTheWindowsPaint) {
  const auto tiles = mkgmapTiles();
  ASSERT_TRUE(join(tiles));
  EXPECT_TRUE(report.has(builtin::readLine(pathText(scratch_ / "list.txt"))));
  EXPECT_TRUE(report.has(builtin::readLine(tiles[0])));
  EXPECT_TRUE(report.has(builtin::readLine(tiles[1])));
  EXPECT_TRUE(report.has(builtin::writtenLine(pathText(out / "Harz_Sud.tdb"))));
  EXPECT_TRUE(report.has(builtin::writtenLine(pathText(out / "Harz_Sud.mp"))));
  EXPECT_GE(report.eventRuns, 3);
  EXPECT_EQ(fileNames(out), (std::vector<std::string>{"Harz_Sud.mp", "Harz_Sud.tdb"}));
}

TEST_F(JoinTiles, TheListMayNameTilesInTheAnsiCodePage) {
  // A UTF-8 name: a path made of plain chars would take them as the ANSI
  // code page on Windows.
  const fs::path south = scratch_.path() / filePath("Karten S\xC3\xBC"
                                              "d");
  fs::create_directories(south);
  fs::copy_file(garmin("mapset/63240001.img"), south / "63240001.img");
  const std::string listed = pathText(south / "63240001.img");
  writeFile(scratch_ / "list.txt", toAnsi(listed) + "\r\n");

  EXPECT_TRUE(builtin::runGmt({"-S", "-f", "4321,1", "-m", "Harz", "-n", "Harzoooo", "-o",
                               pathText(out), "-c", "1252", "-@", pathText(scratch_ / "list.txt")},
                              report));
  EXPECT_TRUE(report.has(builtin::readLine(listed)));
  EXPECT_EQ(tdbTileFacts(readFile(out / "Harzoooo.tdb")).size(), 1u);
}

TEST_F(JoinTiles, ReadsOnlyTheDirectoryAndTheTreHeaderOfATile) {
  ImgFile tile = ImgFile::open(copy("mapset/63240001.img"));
  ASSERT_EQ(tile.problem(), ImgFileProblem::None);
  const std::uint64_t directory = tile.bytesRead();
  for (const ImgEntry& entry : tile.directory().entries)
    if (entry.type == "TRE") tile.readStart(entry, kTreFactsBytes);
  EXPECT_EQ(tile.bytesRead() - directory, kTreFactsBytes);
  EXPECT_LE(directory, 0xC00u);  // the header and the directory mkgmap wrote
}

TEST_F(JoinTiles, ATruncatedTileGivesAReportLineAndNoFiles) {
  auto tiles = mkgmapTiles();
  const std::string whole = readFile(tiles[1]);
  writeFile(tiles[1], whole.substr(0, whole.size() - 600));

  EXPECT_FALSE(join(tiles));
  EXPECT_TRUE(
      report.has(builtin::cannotReadLine(tiles[1], describe(ImgFileProblem::DirectoryPastEnd))));
  EXPECT_TRUE(report.has(builtin::kNothingWritten));
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(JoinTiles, AFileThatIsNoTileOrIsMissingGivesItsReason) {
  auto tiles = mkgmapTiles();
  writeFile(tiles[0], std::string(4096, 'x'));
  tiles.push_back(pathText(scratch_ / "missing.img"));

  EXPECT_FALSE(join(tiles));
  EXPECT_TRUE(report.has(builtin::cannotReadLine(tiles[0], describe(ImgFileProblem::NotImg))));
  EXPECT_TRUE(report.has(builtin::cannotReadLine(tiles[2], describe(ImgFileProblem::CannotOpen))));
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(JoinTiles, AnImageWithoutTreSubfileHoldsNoTile) {
  const std::string typ = copy("typ/harz-typ.typ");
  const std::string image = pathText(scratch_ / "typ.img");
  writeFile(image, writeImgContainer({"styles", {{"HARZ", "TYP", readFile(typ)}}}));

  EXPECT_FALSE(join({image}));
  EXPECT_TRUE(report.has(builtin::cannotReadLine(image, builtin::kNoTile)));
}

}  // namespace
}  // namespace mapsetdesk::testing
