// set-fid and draw-priority of the command-line front end, over a data root
// of their own with a registered mapset made from mkgmap's files and mkgmap's
// package.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/messages/DrawPriorityTexts.h"
#include "app/messages/FidTexts.h"
#include "app/messages/IdTexts.h"
#include "formats/TdbHeader.h"
#include "formats/TreDrawPriority.h"
#include "formats/TypHeader.h"
#include "platform/Platform.h"
#include "support/RealMapsets.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class EditCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
    topo = mapsets.make(home / "Karten", "Topo", "Topo", 1234, 1);
    for (const char* tile : {"63240001.img", "63240002.img"})
      fs::copy_file(mapsets.root() / "mapset" / tile, home / "Karten" / tile);
    writeFile(home / "Karten" / "harz.typ", readFile(mapsets.root() / "typ" / "harz-typ.typ"));
    PlatformOptions options;
    options.dataRoot = home.str();
    registerFamilyProduct(*openSystemRegistry(options), "SOFTWARE", RegistrationRoot::Families,
                          "Topo1234", 1234, "1", topo, pathOf(home / "Karten" / "harz.typ"));
    package = mapsets.copyPackage(home / "ProgramData" / "GARMIN" / "Maps", "Harz Familie");
  }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str(), "--lang", "de"});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }

  TempDir home;
  TempDir scratch;
  RealMapsets mapsets;
  MapsetFiles topo;
  fs::path package;
  FidTexts fid = fidTexts(Sprache::Deutsch);
  DrawPriorityTexts dp = drawPriorityTexts(Sprache::Deutsch);
};

TEST_F(EditCommands, SetFidChangesARegisteredMapsetAndPrintsItsRow) {
  const ProgramRun run = cli({"set-fid", "Topo", "2345"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string copy = pathOf(home / "Karten" / "419.Typ");
  EXPECT_EQ(run.out, "registration\tTopo\t2345\t1\tFamilies\tTopo1234\\1\t" + topo.tdb + "\t" +
                         topo.overview + "\t" + topo.tiles + "\t" + copy + "\t\t\tok\n");
  EXPECT_EQ(readTdbHeader(topo.tdb).header.fid, 2345);
  EXPECT_EQ(readTypFid(readFile(copy)), 2345);
}

TEST_F(EditCommands, SetFidChangesAPackage) {
  const ProgramRun run = cli({"set-fid", "--gmap", "4711", "2000"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(readFile(package / "Info.xml").find("<ID>2000</ID>"), std::string::npos);
  EXPECT_EQ(readTdbHeader(pathOf(package / "Product3" / "osmmap.tdb")).header.fid, 2000);
  EXPECT_NE(run.out.find("gmap\tHarzkarte Süd\t2000\t3\t"), std::string::npos) << run.out;
}

TEST_F(EditCommands, SetFidRefusesWhatTheWindowRefuses) {
  const std::string tdb = readFile(topo.tdb);
  const std::pair<const char*, std::string> refused[] = {
      {"4711", fid.inUse},
      {"65536", idFaultText(Sprache::Deutsch, IdKind::Fid, IdFault::TooBig)},
      {"0", idFaultText(Sprache::Deutsch, IdKind::Fid, IdFault::Zero)}};
  for (const auto& [newFid, message] : refused) {
    const ProgramRun run = cli({"set-fid", "Topo", newFid});
    EXPECT_EQ(run.exitCode, 1) << newFid;
    EXPECT_EQ(run.err, message + "\n") << newFid;
  }
  for (const char* notANumber : {"abc", "12.7", "-3"}) {
    const ProgramRun run = cli({"set-fid", "Topo", notANumber});
    EXPECT_EQ(run.exitCode, 2) << notANumber;
    EXPECT_EQ(run.out, "") << notANumber;
  }
  EXPECT_EQ(readFile(topo.tdb), tdb);
  EXPECT_EQ(cli({"set-fid", "Topo"}).exitCode, 2);
  EXPECT_EQ(cli({"set-fid", "Nirgends", "77"}).exitCode, 1);
}

TEST_F(EditCommands, DrawPriorityListsAndChangesEveryTile) {
  const std::string listed = "63240001\tNordteil (63240001)\t27\n63240002\tSudteil (63240002)\t22\n";
  ProgramRun run = cli({"draw-priority", "Topo"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, listed);

  const std::string before = readFile(home / "Karten" / "63240002.img");
  run = cli({"draw-priority", "Topo", "35"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, drawPriorityChanged(dp, 2) + "\n");
  EXPECT_EQ(run.out, "63240001\tNordteil (63240001)\t30\n63240002\tSudteil (63240002)\t30\n");
  std::string expected = before;
  expected[*findDrawPriority(before, 0)] = 30;
  EXPECT_EQ(readFile(home / "Karten" / "63240002.img"), expected);

  run = cli({"draw-priority", "Topo", "0"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, dp.noEntry + "\n");
  EXPECT_EQ(cli({"draw-priority", "Topo", "abc"}).exitCode, 2);
  EXPECT_EQ(readFile(home / "Karten" / "63240002.img"), expected);
}

TEST_F(EditCommands, DrawPriorityOfAPackage) {
  const ProgramRun run = cli({"draw-priority", "--gmap", "4711", "9"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, drawPriorityChanged(dp, 2) + "\n");
  EXPECT_EQ(run.out, "63240001\tNordteil (63240001)\t9\n63240002\tSudteil (63240002)\t9\n");
  const ProgramRun json = cli({"draw-priority", "Harzkarte Süd", "--json"});
  EXPECT_EQ(json.exitCode, 0) << json.err;
  EXPECT_EQ(nlohmann::json::parse(json.out),
            nlohmann::json::parse(R"json([{"tile": "63240001", "description": "Nordteil (63240001)",
                                       "drawPriority": 9},
                                      {"tile": "63240002", "description": "Sudteil (63240002)",
                                       "drawPriority": 9}])json"));
}

}  // namespace
}  // namespace mapsetdesk::testing
