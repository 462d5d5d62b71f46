// export, import and convert of the command-line front end over mkgmap's
// mapset: a registration and a package carried from one data root to
// another, and a registration turned into a package.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/ExportImportTexts.h"
#include "formats/ImgContainer.h"
#include "support/ExistingMapsetFiles.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    result.push_back(line.substr(start, tab - start));
  result.push_back(line.substr(start, line.find('\n', start) - start));
  return result;
}

// The last line of the output.
std::string lastLine(const std::string& out) {
  const std::string text = out.substr(0, out.find_last_not_of('\n') + 1);
  return text.substr(text.find_last_of('\n') + 1);
}

class TransferCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
    for (const TempDir* home : {&first, &second})
      ASSERT_EQ(cli(*home, {"set-wow64", "no"}).exitCode, 0);
  }
  ProgramRun cli(const TempDir& home, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str(), "--lang", "de", "--program-folder",
                                         (home / "program").string()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  // mkgmap's mapset with TYP, index and MDR, its tiles in a folder of their
  // own, registered on the first data root.
  void registerOnFirst() {
    mapset = files.make(first / "Dateien", "Harzkarte", 4711, 3,
                        {.typ = true, .index = true, .mdr = true});
    fs::create_directories(tiles);
    for (const char* tile : {"63240001.img", "63240002.img"})
      fs::rename(first / "Dateien" / tile, tiles / tile);
    const ProgramRun run =
        cli(first, {"register", "--tiles", tiles.string(), "--tdb", mapset.tdb, "--overview",
                    mapset.overview, "--typ", mapset.typ, "--mdx", mapset.index, "--mdr",
                    mapset.mdr});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  }

  TempDir first;
  TempDir second;
  TempDir scratch;
  ExistingMapsetFiles files;
  ExistingFiles mapset;
  fs::path tiles = first / "Karten" / "harz";
};

TEST_F(TransferCommands, ARegistrationTravelsToAnotherDataRoot) {
  registerOnFirst();
  const ProgramRun exported = cli(first, {"export", "4711"});
  ASSERT_EQ(exported.exitCode, 0) << exported.out << exported.err;
  EXPECT_EQ(lastLine(exported.out), tiles.string());
  EXPECT_EQ(readFile(tiles / "log"),
            "osmmap_mdr.img\r\nosmmap.mdx\r\n10318.Typ\r\nosmmap.tdb\r\nosmmap.img\r\n");

  const fs::path destination = second / "Karten";
  const ProgramRun imported =
      cli(second, {"import", tiles.string(), "--to", destination.string(), "--no-installer"});
  ASSERT_EQ(imported.exitCode, 0) << imported.out << imported.err;
  const auto row = fields(lastLine(imported.out));
  ASSERT_EQ(row.size(), 13u) << imported.out;
  const fs::path copy = destination / "harz";
  EXPECT_EQ(row[1], "Harzkarte") << "listed complete, by its name";
  EXPECT_EQ(row[2], "4711");
  EXPECT_EQ(row[3], "3");
  EXPECT_EQ(row[6], (copy / "osmmap.tdb").string());
  EXPECT_EQ(row[7], (copy / "osmmap.img").string());
  EXPECT_EQ(row[8], copy.string());
  EXPECT_EQ(row[9], (copy / "10318.Typ").string());
  EXPECT_EQ(row[12], "ok");
  const ProgramRun index = cli(second, {"reg", "query",
                                        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Garmin\\MapSource\\"
                                        "Families\\" + row[5].substr(0, row[5].find('\\')),
                                        "IDX"});
  EXPECT_EQ(index.out, (copy / "osmmap.mdx").string() + "\n");

  const ProgramRun again =
      cli(second, {"import", tiles.string(), "--to", destination.string(), "--no-installer"});
  EXPECT_EQ(again.exitCode, 1) << "a copy there already is replaced only with --yes";
  const ExportImportTexts& german = exportImportTexts(Sprache::Deutsch);
  EXPECT_NE(again.err.find(german.replaceFolder + copy.string() + german.replaceQuestion),
            std::string::npos) << again.err;
  EXPECT_EQ(cli(second, {"import", tiles.string()}).exitCode, 2) << "a registration needs --to";
}

TEST_F(TransferCommands, APackageTravelsIntoTheUsersMapFolder) {
  const fs::path package = files.mapsets().copyPackage(first / "ProgramData" / "GARMIN" / "Maps",
                                                       "Harz");
  const ProgramRun exported = cli(first, {"export", "--gmap", "4711"});
  ASSERT_EQ(exported.exitCode, 0) << exported.out << exported.err;
  EXPECT_EQ(lastLine(exported.out), package.string());

  const ProgramRun imported = cli(second, {"import", package.string(), "--user"});
  ASSERT_EQ(imported.exitCode, 0) << imported.out << imported.err;
  for (const std::string& source : downloadSources())
    EXPECT_NE(imported.err.find(source + "\n"), std::string::npos) << "the installer's sources";
  const auto row = fields(lastLine(imported.out));
  ASSERT_EQ(row.size(), 13u) << imported.out;
  EXPECT_EQ(row[11], (second / "AppData" / "Roaming" / "GARMIN" / "Maps" / "Harz.gmap" /
                      "Info.xml").string());
  EXPECT_EQ(row[2], "4711");
  EXPECT_EQ(row[3], "3");
  EXPECT_EQ(cli(second, {"import", package.string()}).exitCode, 2)
      << "a package needs --to, --all-users or --user";
}

TEST_F(TransferCommands, ConvertMakesAPackageOfTheRegistration) {
  registerOnFirst();
  const ProgramRun run = cli(first, {"convert", "4711", "--to-gmap"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const fs::path package = first / "ProgramData" / "GARMIN" / "Maps" / "Harzkarte.gmap";
  const auto row = fields(lastLine(run.out));
  ASSERT_EQ(row.size(), 13u) << run.out;
  EXPECT_EQ(row[0], "gmap");
  EXPECT_EQ(row[1], "Harzkarte");
  EXPECT_EQ(row[11], (package / "Info.xml").string());
  for (const char* tile : {"63240001", "63240002"}) {
    const auto container = readImgContainer(readFile(tiles / (std::string(tile) + ".img")));
    ASSERT_TRUE(container);
    for (const ImgSubfile& subfile : container->subfiles)
      EXPECT_EQ(readFile(package / "Product3" / tile / subfile.fileName()), subfile.bytes)
          << tile << " " << subfile.fileName();
  }
  EXPECT_NE(cli(first, {"list"}).out.find("registration\tHarzkarte\t4711\t3\tFamilies"),
            std::string::npos)
      << "the registration stays";
  EXPECT_EQ(cli(first, {"convert", "4711"}).exitCode, 2);
}

}  // namespace
}  // namespace mapsetdesk::testing
