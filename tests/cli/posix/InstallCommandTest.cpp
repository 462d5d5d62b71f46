// install of the command-line front end: the window's run on the tiles
// given, over a data root of its own, with the stand-ins of the outside
// programs in a program folder of its own.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/IdTexts.h"
#include "app/messages/InputFileTexts.h"
#include "app/messages/InstallTexts.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "cli/posix/CliRoot.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

std::string row(std::initializer_list<std::string> cells) {
  std::string line;
  for (const std::string& cell : cells) line += (line.empty() ? "" : "\t") + cell;
  return line + "\n";
}

class InstallCommand : public ::testing::Test, public CliRoot {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    fs::create_directories(karten());
    for (const char* tile : {"63240001.img", "63240002.img"})
      fs::copy_file(mapsets.root() / "mapset" / tile, karten() / tile);
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  }

  static const std::string& text(const char* key) { return germanTexts().messages.at(key); }

  RealMapsets mapsets;
};

TEST_F(InstallCommand, ARegistrationPrintsItsListRow) {
  const ProgramRun run = cli({"install", "--registry", "--name", "Topo Harz", "--fid", "1234",
                              tile("63240001.img"), tile("63240002.img")});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string pfad = joinPath(pathText(karten()), "");
  EXPECT_EQ(run.err, text("Fehler8") + "\n");
  EXPECT_EQ(run.out, row({"registration", "Topo_Harz", "1234", "1", "Families", "Topo_Har1234\\1",
                          pfad + "Topo_Har.tdb", pfad + "Topo_Har.img", pfad, "", "", "", "ok"}));
}

TEST_F(InstallCommand, TilesNamedRelativeAreRegisteredByTheirFullPath) {
  const std::string relative = pathText(fs::relative(karten() / "63240001.img"));
  ASSERT_NE(relative.front(), '/');
  const ProgramRun run =
      cli({"install", "--registry", "--name", "Topo Harz", "--fid", "77", relative});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string pfad = joinPath(pathText(karten()), "");
  EXPECT_NE(run.out.find("\t" + pfad + "Topo_Har.tdb\t" + pfad + "Topo_Har.img\t" + pfad + "\t"),
            std::string::npos)
      << run.out;
}

// The registry names the TDB "NAME.TDB", the file is "NAME.tdb": the edits
// and the export find it all the same.
TEST_F(InstallCommand, AFreshRegistrationCanBeEditedAtOnce) {
  ASSERT_EQ(cli({"install", "--registry", "--name", "Topo Harz", "--fid", "1234",
                 tile("63240001.img")})
                .exitCode,
            0);
  const ProgramRun fid = cli({"set-fid", "1234", "1300"});
  EXPECT_EQ(fid.exitCode, 0) << fid.out << fid.err;
  const ProgramRun priority = cli({"draw-priority", "1300", "21"});
  EXPECT_EQ(priority.exitCode, 0) << priority.out << priority.err;
  const ProgramRun rename = cli({"rename", "1300", "Harz Neu"});
  EXPECT_EQ(rename.exitCode, 0) << rename.out << rename.err;
  const ProgramRun exported = cli({"export", "1300"});
  EXPECT_EQ(exported.exitCode, 0) << exported.out << exported.err;
}

TEST_F(InstallCommand, WithoutALayoutOptionAGmapPackageIsMadeWithTheFreeFid) {
  const ProgramRun run = cli({"install", tile("63240001.img"), "--name", "Topo Harz"});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const fs::path package = home / "ProgramData" / "GARMIN" / "Maps" / "Topo Harz.gmap";
  EXPECT_EQ(run.out, row({"gmap", "Topo Harz", "10", "1", "", "",
                          pathText(package / "Product1" / "Topo_Har.tdb"), "", pathText(package),
                          "", "", pathText(package / "Info.xml"), "ok"}));
}

TEST_F(InstallCommand, NameAndFidRefusalsAreMessagesAndExitOne) {
  ProgramRun run = cli({"install", "--name", "Karte S\xC3\xBC" "d", tile("63240001.img")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, text("Satzumlaut") + "\n");
  run = cli({"install", "--name", "Topo", "--fid", "65536", tile("63240001.img")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, idFaultText(Sprache::Deutsch, IdKind::Fid, IdFault::TooBig) + "\n");
  ASSERT_EQ(cli({"install", "--registry", "--name", "Topo", "--fid", "20", tile("63240001.img")})
                .exitCode,
            0);
  run = cli({"install", "--name", "Neu", "--fid", "20", tile("63240002.img")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, text("Fehler2") + "\n");
  run = cli({"install", "--name", "Topo", tile("63240002.img")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, text("Fehler5") + "\n");
}

TEST_F(InstallCommand, AFailedRunPrintsItsMessagesAndExitsOne) {
  ASSERT_EQ(cli({"tools", "extern"}).exitCode, 0);
  fs::remove(programs / "gmt.exe");
  const ProgramRun run = cli({"install", "--name", "Topo", tile("63240001.img")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, text("Fehler42") + "\n" + text("Fehler41") + "\n");
}

TEST_F(InstallCommand, AnEmptyProgramFolderInstallsWithTheBuiltInTools) {
  fs::remove_all(programs.path());
  fs::create_directories(programs.path());
  const ProgramRun run = cli({"install", "--registry", "--name", "Harz", tile("63240001.img"),
                              tile("63240002.img")});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string pfad = joinPath(pathText(karten()), "");
  EXPECT_EQ(run.err, text("Fehler8") + "\n");
  EXPECT_EQ(run.out, row({"registration", "Harz", "10", "1", "Families", "Harzoooo10\\1",
                          pfad + "Harzoooo.tdb", pfad + "Harzoooo.img", pfad, "", "", "", "ok"}));
  EXPECT_TRUE(fs::is_empty(programs.path()));
}

TEST_F(InstallCommand, AMissingEmptyOrFolderTileIsNamedNotTakenForAWrongName) {
  fs::create_directories(karten() / "63240009.img");
  writeFile(karten() / "63240008.img", "");
  writeFile(karten() / "63240006.img", "no img file");
  const std::pair<std::string, InputFault> cases[] = {
      {tile("63240007.img"), InputFault::Missing},
      {tile("63240009.img"), InputFault::NotAFile},
      {tile("63240008.img"), InputFault::Empty},
      {tile("63240006.img"), InputFault::NotImg},
  };
  for (const auto& [path, fault] : cases) {
    const ProgramRun run = cli({"install", "--name", "Topo", tile("63240001.img"), path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, tileFaultText(Sprache::Deutsch, fault) + path + "\n");
  }
  EXPECT_FALSE(fs::exists(karten() / "Topooooo.tdb"));
}

TEST_F(InstallCommand, UsageErrors) {
  EXPECT_EQ(cli({"install", tile("63240001.img")}).exitCode, 2);
  EXPECT_EQ(cli({"install", "--name", "Topo"}).exitCode, 2);
  EXPECT_EQ(cli({"install", "--gmap", "--registry", "--name", "T", tile("63240001.img")}).exitCode,
            2);
  const ProgramRun run = cli({"install", "--name", "Topo", pathText(karten() / "notes.txt")});
  EXPECT_EQ(run.exitCode, 1);
}

// Each way a new mapset could take over an installed one's files, folder or
// key is refused before anything is written; what is installed lists and
// checks as before.
TEST_F(InstallCommand, NothingInstalledIsTakenOverByANewMapset) {
  ASSERT_EQ(cli({"install", "--registry", "--name", "Topo Harz", "--fid", "4321",
                 tile("63240001.img")})
                .exitCode,
            0);
  ASSERT_EQ(cli({"rename", "4321", "Alpen"}).exitCode, 0);
  ASSERT_EQ(cli({"set-fid", "4321", "10"}).exitCode, 0);
  ASSERT_EQ(cli({"install", "--gmap", "--name", "Harz", "--fid", "30", tile("63240002.img")})
                .exitCode,
            0);
  const fs::path tdb = karten() / "Topo_Har.tdb";
  const std::string tdbBytes = readFile(tdb);
  const std::string listed = cli({"list"}).out;
  const fs::path elsewhere = home / "Elsewhere";
  fs::create_directories(elsewhere);
  fs::copy_file(karten() / "63240002.img", elsewhere / "63240002.img");
  const std::string other = pathText(elsewhere / "63240002.img");
  const fs::path package = home / "ProgramData" / "GARMIN" / "Maps" / "Harz.gmap";
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } refusals[] = {
      {{"install", "--registry", "--name", "Topo Harz", "--fid", "20", tile("63240002.img")},
       clashText(Sprache::Deutsch, ClashKind::File, pathText(tdb), "Alpen")},
      {{"install", "--registry", "--name", "Topo Harz", "--fid", "4321", other},
       clashText(Sprache::Deutsch, ClashKind::FamilyKey,
                 "SOFTWARE\\Garmin\\MapSource\\Families\\Topo_Har4321", "Alpen")},
      {{"install", "--gmap", "--name", "Harz", "--fid", "40", other},
       clashText(Sprache::Deutsch, ClashKind::PackageFolder, pathText(package), "Harz.gmap")},
      {{"install", "--registry", "--name", " Harz. ", "--fid", "40", other},
       clashText(Sprache::Deutsch, ClashKind::PackageFolder, pathText(package), "Harz.gmap")},
      {{"install", "--gmap", "--name", "ALPEN", "--fid", "40", other}, text("Fehler5")},
  };
  for (const auto& refusal : refusals) {
    const ProgramRun run = cli(refusal.arguments);
    EXPECT_EQ(run.exitCode, 1) << refusal.arguments[3];
    EXPECT_EQ(run.err, refusal.message + "\n") << refusal.arguments[3];
  }
  EXPECT_EQ(readFile(tdb), tdbBytes);
  EXPECT_EQ(cli({"list"}).out, listed);
  EXPECT_EQ(cli({"check"}).exitCode, 0);
  for (const char* made : {"Topo_Har.tdb", "Harzoooo.tdb", "ALPENooo.tdb"})
    EXPECT_FALSE(fs::exists(elsewhere / made)) << made;
}

TEST_F(InstallCommand, NamesThatAreNoFileNamesAndIdsThatAreNoIdsAreRefused) {
  const struct {
    std::string name;
    std::string fid;
    std::string message;
  } refusals[] = {
      {"..", "20", nameWithoutLetterText(Sprache::Deutsch)},
      {"   ", "20", nameWithoutLetterText(Sprache::Deutsch)},
      {"a/b", "20", nameNotInFileNamesText(Sprache::Deutsch)},
      {"A <b>", "20", nameNotInFileNamesText(Sprache::Deutsch)},
      {"Topo", "0", idFaultText(Sprache::Deutsch, IdKind::Fid, IdFault::Zero)},
  };
  for (const auto& refusal : refusals) {
    const ProgramRun run =
        cli({"install", "--name", refusal.name, "--fid", refusal.fid, tile("63240001.img")});
    EXPECT_EQ(run.exitCode, 1) << refusal.name << refusal.fid;
    EXPECT_EQ(run.err, refusal.message + "\n") << refusal.name << refusal.fid;
  }
  const ProgramRun notANumber =
      cli({"install", "--name", "Topo", "--fid", "abc", tile("63240001.img")});
  EXPECT_EQ(notANumber.exitCode, 2);
  EXPECT_EQ(notANumber.err, "--fid: keine Zahl: abc\nsiehe: mapsetdesk-cli install --help\n");
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(karten()), {}).size(), 2u);
  EXPECT_FALSE(fs::exists(home / "ProgramData" / "GARMIN"));
  const ProgramRun dotted =
      cli({"install", "--gmap", "--name", "Viele 0.15", "--fid", "20", tile("63240001.img")});
  EXPECT_EQ(dotted.exitCode, 0) << dotted.out << dotted.err;
  EXPECT_TRUE(fs::exists(home / "ProgramData" / "GARMIN" / "Maps" / "Viele 0.15.gmap" /
                         "Product1" / "Viele_0o.tdb"));
}

}  // namespace
}  // namespace mapsetdesk::testing
