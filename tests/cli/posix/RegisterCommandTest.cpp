// register of the command-line front end: the window for an existing TDB
// filled from the options, registering or packaging mkgmap's mapset.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/IdTexts.h"
#include "app/messages/InstallTexts.h"
#include "app/messages/PackageStepTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "support/ExistingMapsetFiles.h"
#include "support/RunProgram.h"
#include "support/Standins.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const TdbVorhandenTexts& german() {
  static const TdbVorhandenTexts texts = tdbVorhandenTexts(Sprache::Deutsch);
  return texts;
}
std::string backupLine(const std::string& tdb) {
  return catalogueTexts(Sprache::Deutsch).messages.find("Satz25")->second + tdb + "-BAK\n";
}

class RegisterCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
    mapset = files.make(home / "Karten", "Harzkarte Süd", 4711, 3, {.typ = true, .index = true});
  }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str(), "--lang", "de", "--program-folder",
                                         (home / "program").string()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  std::vector<std::string> required() const {
    return {"register", "--tiles", mapset.tiles, "--tdb", mapset.tdb, "--overview",
            mapset.overview};
  }
  std::string hklm(const std::string& key, const std::string& name) {
    PlatformOptions options;
    options.dataRoot = home.str();
    return fRegAbfrageWert(*openSystemRegistry(options), Root::LocalMachine, key, name);
  }

  TempDir home;
  TempDir scratch;
  ExistingMapsetFiles files;
  ExistingFiles mapset;
};

TEST_F(RegisterCommand, RegistersWithWhatTheTdbHolds) {
  auto arguments = required();
  arguments.insert(arguments.end(), {"--typ", mapset.typ, "--mdx", mapset.index});
  const ProgramRun run = cli(arguments);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string typCopy = (home / "Karten" / "10318.Typ").string();
  EXPECT_EQ(run.err, backupLine(mapset.tdb) + german().finished + "\n");
  EXPECT_EQ(run.out, "registration\tHarzkarte_SUd\t4711\t3\tFamilies\tHarzkarte_S\xC3\xBC" "4711\\3\t" +
                         mapset.tdb + "\t" + mapset.overview + "\t" + mapset.tiles + "\t" + typCopy +
                         "\t\t\tok\n");
  const std::string family = "SOFTWARE\\Garmin\\MapSource\\Families\\Harzkarte_S\xC3\xBC" "4711";
  EXPECT_EQ(hklm(family, "IDX"), mapset.index);
  EXPECT_EQ(hklm(family + "\\3", "Loc"), mapset.tiles);
}

TEST_F(RegisterCommand, OptionsStandAnywhereAndReplaceNameAndIds) {
  auto arguments = required();
  arguments.insert(arguments.begin() + 1, {"--fid", "1234", "--name", "Karte Süd"});
  arguments.insert(arguments.end(), {"--pid", "1"});
  const ProgramRun run = cli(arguments);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("Karte_SUd\t1234\t1\tFamilies\tHarzkarte_S\xC3\xBC" "1234\\1\t"),
            std::string::npos)
      << run.out;
}

TEST_F(RegisterCommand, PackagesWithGmap) {
  installStandins(home / "program");
  auto arguments = required();
  arguments.insert(arguments.end(), {"--gmap", "--mdx", mapset.index});
  const ProgramRun run = cli(arguments);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const fs::path package = home / "ProgramData" / "GARMIN" / "Maps" / "Harzkarte_SUd.gmap";
  EXPECT_TRUE(fs::is_directory(package / "Product3" / "63240001"));
  EXPECT_NE(run.out.find("gmap\tHarzkarte_SUd\t4711\t3\t\t\t" +
                         (package / "Product3" / "osmmap.tdb").string() + "\t\t" + package.string() +
                         "\t\tosmmap.mdx\t" + (package / "Info.xml").string() + "\tok\n"),
            std::string::npos)
      << run.out;
}

TEST_F(RegisterCommand, APackageThatCannotBeMadeWholeSaysWhyAndExitsOne) {
  installStandins(home / "program");
  const fs::path maps = home / "ProgramData" / "GARMIN" / "Maps";
  const std::string tdbBefore = readFile(mapset.tdb);
  fs::remove(home / "Karten" / "63240002.img");
  ProgramRun run = cli({"register", "--gmap", "--tiles", mapset.tiles, "--tdb", mapset.tdb,
                        "--overview", mapset.overview});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, kTilesMissing + std::string("\r\n63240002.img\n"));
  EXPECT_EQ(readFile(mapset.tdb), tdbBefore) << "a refused package changes no file";
  EXPECT_FALSE(fs::exists(maps / "Harzkarte_SUd.gmap"));

  fs::copy_file(files.mapsets().root() / "mapset" / "63240002.img", home / "Karten" / "63240002.img");
  ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "nothing");
  run = cli({"register", "--gmap", "--tiles", mapset.tiles, "--tdb", mapset.tdb, "--overview",
             mapset.overview});
  EXPECT_EQ(run.exitCode, 1);
  const PackageStepTexts steps = packageStepTexts(Sprache::Deutsch);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, backupLine(mapset.tdb) + steps.notUnpacked + mapset.overview +
                         steps.removedAgain + "\n");
  EXPECT_TRUE(fs::is_empty(maps));
  EXPECT_EQ(run.err.find(catalogueTexts(Sprache::Deutsch).messages.find("Satz62")->second),
            std::string::npos);
}

TEST_F(RegisterCommand, RefusesWhatTheWindowRefuses) {
  EXPECT_EQ(cli({"register", "--tdb", mapset.tdb}).exitCode, 2);
  EXPECT_EQ(cli({"register", "--tiles"}).exitCode, 2);

  auto missing = required();
  missing[4] = (home / "Karten" / "fehlt.tdb").string();
  const ProgramRun missingRun = cli(missing);
  EXPECT_EQ(missingRun.exitCode, 1);
  EXPECT_EQ(missingRun.err, german().fileMissing + "\n");

  auto wrongId = required();
  wrongId.insert(wrongId.end(), {"--fid", "12a"});
  const ProgramRun wrongRun = cli(wrongId);
  EXPECT_EQ(wrongRun.exitCode, 2);
  EXPECT_EQ(wrongRun.err, "--fid: keine Zahl: 12a\nsiehe: mapsetdesk-cli register --help\n");
  EXPECT_EQ(cli({"list"}).out, "") << "nothing was registered";
}

TEST_F(RegisterCommand, IdsThatAreNoIdsAndInstalledMapsetsAreRefusedBeforeAnythingIsWritten) {
  const std::string tdbBytes = readFile(mapset.tdb);
  const struct {
    const char* option;
    const char* typed;
    IdKind kind;
    IdFault fault;
  } refusals[] = {{"--pid", "0", IdKind::Pid, IdFault::Zero},
                  {"--pid", "70000", IdKind::Pid, IdFault::TooBig},
                  {"--fid", "0", IdKind::Fid, IdFault::Zero}};
  for (const auto& refusal : refusals) {
    for (const bool gmap : {false, true}) {
      auto arguments = required();
      arguments.insert(arguments.end(), {refusal.option, refusal.typed});
      if (gmap) arguments.push_back("--gmap");
      const ProgramRun run = cli(arguments);
      EXPECT_EQ(run.exitCode, 1) << refusal.option << " " << refusal.typed;
      EXPECT_EQ(run.err, idFaultText(Sprache::Deutsch, refusal.kind, refusal.fault) + "\n")
          << refusal.option << " " << refusal.typed;
    }
  }
  EXPECT_EQ(readFile(mapset.tdb), tdbBytes);
  EXPECT_EQ(cli({"list"}).out, "");
  EXPECT_FALSE(fs::exists(home / "ProgramData" / "GARMIN" / "Maps"));
  for (const char* notANumber : {"", "abc"}) {
    auto arguments = required();
    arguments.insert(arguments.end(), {"--pid", notANumber});
    EXPECT_EQ(cli(arguments).exitCode, 2) << notANumber;
  }

  ASSERT_EQ(cli(required()).exitCode, 0);
  const std::string listed = cli({"list"}).out;
  const std::string registeredTdb = readFile(mapset.tdb);
  ProgramRun again = cli(required());
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_EQ(again.err, clashText(Sprache::Deutsch, ClashKind::RegisteredTdb, mapset.tdb,
                                 "Harzkarte_SUd") +
                           "\n");
  const ExistingFiles copy = files.make(home / "Kopie", "Harzkarte Süd", 4711, 3, {});
  again = cli({"register", "--tiles", copy.tiles, "--tdb", copy.tdb, "--overview", copy.overview});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_EQ(again.err, clashText(Sprache::Deutsch, ClashKind::FamilyKey,
                                 "SOFTWARE\\Garmin\\MapSource\\Families\\Harzkarte_Sü4711",
                                 "Harzkarte_SUd") +
                           "\n");
  EXPECT_EQ(readFile(mapset.tdb), registeredTdb);
  EXPECT_EQ(cli({"list"}).out, listed);
}

}  // namespace
}  // namespace mapsetdesk::testing
