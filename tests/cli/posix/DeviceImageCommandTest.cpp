// install GMAPSUPP.img of the command-line front end: mkgmap's device image
// of two families registered or packaged family by family, with the
// stand-ins of gmt and cgpsmapper in the program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/CliTexts.h"
#include "app/messages/InputFileTexts.h"
#include "app/messages/InstallTexts.h"
#include "support/CraftedImages.h"
#include "support/RealMapsets.h"
#include "support/RunProgram.h"
#include "support/Standins.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const std::string& catalogueText(const char* key) {
  return catalogueTexts(Sprache::Deutsch).messages.find(key)->second;
}

int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

class DeviceImageCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << "run through ctest, which makes the mkgmap files";
    installStandins(home / "program");
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
    fs::create_directories(home / "Geraet");
    fs::copy_file(mapsets.root() / "families" / "gmapsupp.img", image());
  }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str(), "--lang", "de", "--program-folder",
                                         (home / "program").string()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  fs::path image() const { return home / "Geraet" / "gmapsupp.img"; }

  TempDir home;
  TempDir scratch;
  RealMapsets mapsets;
};

TEST_F(DeviceImageCommand, RegistersEveryFamilyWithItsOwnFid) {
  const ProgramRun run = cli({"install", "--registry", "--keep-fid", image().string()});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_EQ(countOf(run.out, "\tFamilies\t"), 2) << run.out;
  EXPECT_NE(run.out.find("\t4711\t3\tFamilies\t"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\t4712\t5\tFamilies\t"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find(catalogueText("Text2") + "\n"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(home / "Geraet" / "SplittMaps" / "gmapsupp_4711"));
  EXPECT_TRUE(fs::is_directory(home / "Geraet" / "SplittMaps" / "gmapsupp_4712"));
}

TEST_F(DeviceImageCommand, ACraftedImageEndsWithExitOneAndNothingInstalled) {
  for (const CraftedImage& crafted : craftedImages(readFile(image()))) {
    SCOPED_TRACE(crafted.name);
    writeFile(image(), crafted.bytes);
    const ProgramRun run = cli({"install", "--registry", "--keep-fid", image().string()});
    EXPECT_EQ(run.exitCode, 1);
    const std::string told =
        damagesTheDirectory(crafted.fault)
            ? deviceImageFaultText(Sprache::Deutsch, InputFault::NotImg) + image().string()
        : crafted.fault == CraftedFault::TileWithoutFamily
            ? catalogueText("Fehler49") + "63250001"
            : catalogueText("Fehler48");
    EXPECT_NE((run.out + run.err).find(told), std::string::npos) << run.out << run.err;
    EXPECT_FALSE(fs::exists(home / "Geraet" / "SplittMaps"));
  }
  EXPECT_EQ(countOf(cli({"list"}).out, "\tFamilies\t"), 0);
}

TEST_F(DeviceImageCommand, PackagesWithFreeFids) {
  const ProgramRun run = cli({"install", "--free-fid", image().string()});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("\t10\t3\t"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\t11\t5\t"), std::string::npos) << run.out;
  EXPECT_EQ(countOf("\n" + cli({"list"}).out, "\ngmap\t"), 2);
}

TEST_F(DeviceImageCommand, RefusesATakenFidWithoutAnAnswerAndKeepsSplittMapsWithoutYes) {
  ASSERT_EQ(cli({"install", "--keep-fid", image().string()}).exitCode, 0);

  const ProgramRun kept = cli({"install", "--registry", image().string()});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_NE(kept.err.find(catalogueText("Satz66")), std::string::npos) << kept.err;
  EXPECT_TRUE(fs::is_directory(home / "Geraet" / "SplittMaps" / "gmapsupp_4711"));

  const ProgramRun taken = cli({"install", "--registry", "--yes", image().string()});
  EXPECT_EQ(taken.exitCode, 1);
  const CliTexts& texts = cliTexts(Sprache::Deutsch);
  EXPECT_NE(taken.err.find(texts.fidTaken + "4711" + texts.fidTakenEnd), std::string::npos)
      << taken.err;
  EXPECT_EQ(cli({"install", "--keep-fid", "--free-fid", image().string()}).exitCode, 2);
}

// Families registered from SplittMaps keep their files there: a second run
// of the image refuses to empty the folder, whatever the answer.
TEST_F(DeviceImageCommand, RegisteredFamiliesKeepTheirFilesInSplittMaps) {
  ASSERT_EQ(cli({"install", "--registry", "--keep-fid", image().string()}).exitCode, 0);
  const std::string listed = cli({"list"}).out;
  const fs::path family = home / "Geraet" / "SplittMaps" / "gmapsupp_4711";
  const std::string tdb = readFile(family / "mapset.tdb");
  const ProgramRun again = cli({"install", "--registry", "--free-fid", "--yes", image().string()});
  EXPECT_EQ(again.exitCode, 1);
  // The first listed registration's TDB is the first file found in the folder.
  std::vector<std::string> first;
  std::istringstream row(listed.substr(0, listed.find('\n')));
  for (std::string cell; std::getline(row, cell, '\t');) first.push_back(cell);
  ASSERT_EQ(first.size(), 13u) << listed;
  EXPECT_EQ(again.out, "");
  EXPECT_EQ(again.err, clashText(Sprache::Deutsch, ClashKind::File, first[6], first[1]) + "\n");
  EXPECT_EQ(readFile(family / "mapset.tdb"), tdb);
  EXPECT_EQ(cli({"list"}).out, listed);
}

TEST_F(DeviceImageCommand, WithoutAnyOutsideProgramTheBuiltinToolsPackageEveryFamily) {
  fs::remove_all(home / "program");
  fs::create_directories(home / "program");
  const ProgramRun run = cli({"install", "--keep-fid", image().string()});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("\t4711\t3\t"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\t4712\t5\t"), std::string::npos) << run.out;
  for (const char* family : {"gmapsupp_4711", "gmapsupp_4712"})
    EXPECT_TRUE(fs::exists(home / "Geraet" / "SplittMaps" / family / "mapset.img")) << family;
  EXPECT_EQ(countOf("\n" + cli({"list"}).out, "\ngmap\t"), 2);
}

TEST_F(DeviceImageCommand, AMissingImageOrOneBelowADottedFolderCreatesNothing) {
  const fs::path missing = home / "Leer" / "gmapsupp.img";
  fs::create_directories(missing.parent_path());
  ProgramRun run = cli({"install", missing.string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, deviceImageFaultText(Sprache::Deutsch, InputFault::Missing) +
                         missing.string() + "\n");
  EXPECT_TRUE(fs::is_empty(missing.parent_path())) << "no SplittMaps beside a missing image";

  fs::create_directories(home / "Karten.alt");
  fs::copy_file(image(), home / "Karten.alt" / "gmapsupp.img");
  run = cli({"install", "--keep-fid", (home / "Karten.alt" / "gmapsupp.img").string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, catalogueText("Fehler37") + "\n");
  EXPECT_FALSE(fs::exists(home / "Karten.alt" / "SplittMaps"));
}

}  // namespace
}  // namespace mapsetdesk::testing
