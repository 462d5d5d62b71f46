// device-image of the command-line front end: a registration and a package,
// each with a TYP file, written into one device image each and read back by
// the program's own device-image install and by mkgmap; the product list
// against mkgmap's for the same tiles; the question before replacing.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/messages/CliTexts.h"
#include "app/messages/SendToDeviceTexts.h"
#include "formats/ImgContainer.h"
#include "formats/ProductList.h"
#include "formats/TypHeader.h"
#include "support/ExistingMapsetFiles.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;
using Subfiles = std::map<std::string, std::string>;

Subfiles subfilesOf(const fs::path& image) {
  const auto container = readImgContainer(readFile(image));
  Subfiles subfiles;
  if (container)
    for (const ImgSubfile& subfile : container->subfiles)
      subfiles[subfile.fileName()] = subfile.bytes;
  return subfiles;
}

Subfiles subfilesOfFolder(const fs::path& folder) {
  Subfiles subfiles;
  for (const auto& file : fs::directory_iterator(folder))
    subfiles[file.path().filename().string()] = readFile(file.path());
  return subfiles;
}

// Every subfile of installed is in image, byte for byte.
void expectHolds(const Subfiles& image, const Subfiles& installed) {
  ASSERT_FALSE(installed.empty());
  for (const auto& [name, bytes] : installed) {
    const auto found = image.find(name);
    ASSERT_NE(found, image.end()) << name;
    EXPECT_EQ(found->second, bytes) << name;
  }
}

ProductList productsOf(const Subfiles& image) {
  for (const auto& [name, bytes] : image)
    if (name.ends_with(".MPS")) return readProductList(bytes);
  return {};
}

class SendToDeviceCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files.available()) << kNoGarminFiles;
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
    registered = files.make(home / "Karten", "Harz Reg", 4711, 3, {.typ = true});
    // A TYP file the user may pick has a name of eight characters.
    registered.typ = (home / "Karten" / "harz-typ.typ").string();
    fs::copy_file(home / "Karten" / "harz.typ", registered.typ);
    ProgramRun run = cli({"register", "--tiles", registered.tiles, "--tdb", registered.tdb,
                          "--overview", registered.overview, "--typ", registered.typ});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    package = files.mapsets().copyPackage(home / "ProgramData" / "GARMIN" / "Maps", "Harz Paket");
    run = cli({"typ", "--gmap", "4711:3", registered.typ});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--lang", "de", "--home", home.str(), "--program-folder",
                                         (home / "program").string()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }

  // The image written and installed back with its FID, as the other kind:
  // the mapset it came from stays installed.
  fs::path roundTrip(const std::string& kind, const std::string& folder,
                     const std::string& installAs) {
    const fs::path image = home / folder / "gmapsupp.img";
    fs::create_directories(image.parent_path());
    ProgramRun run = cli({"device-image", kind, "--out", image.string(), "4711:3"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("\t4711\t3\n"), std::string::npos) << run.out;
    run = cli({"install", installAs, "--keep-fid", image.string()});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("\t4711\t3\t"), std::string::npos) << run.out;
    return image.parent_path() / "SplittMaps" / "gmapsupp_4711";
  }

  ExistingMapsetFiles files;
  TempDir home;
  TempDir scratch;
  ExistingFiles registered;
  fs::path package;
};

TEST_F(SendToDeviceCommand, ARegistrationComesBackWithItsIdsTilesAndTyp) {
  const fs::path family = roundTrip("--registry", "Reg", "--gmap");
  for (const char* tile : {"63240001.img", "63240002.img"})
    expectHolds(subfilesOf(family / tile), subfilesOf(fs::path(registered.tiles) / tile));
  EXPECT_EQ(readTypFid(readFile(family / "00004711.TYP")), 4711);
}

TEST_F(SendToDeviceCommand, APackageComesBackWithItsIdsTilesAndTyp) {
  const fs::path family = roundTrip("--gmap", "Paket", "--registry");
  for (const char* tile : {"63240001", "63240002"})
    expectHolds(subfilesOf(family / (std::string(tile) + ".img")),
                subfilesOfFolder(package / "Product3" / tile));
  EXPECT_EQ(readTypFid(readFile(family / "00004711.TYP")), 4711);
}

TEST_F(SendToDeviceCommand, MkgmapReadsTheImageAndListsTheSameProductsAndMaps) {
  const fs::path image = home / "Paket" / "gmapsupp.img";
  fs::create_directories(image.parent_path());
  const ProgramRun written = cli({"device-image", "--gmap", "--out", image.string(), "4711:3"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const Subfiles ours = subfilesOf(image);

  const ProgramRun mkgmap =
      runProgram("java",
                 {"-jar", MAPSETDESK_MKGMAP_JAR, "--gmapsupp",
                  "--output-dir=" + (home / "mkgmap").string(), image.string()},
                 scratch);
  ASSERT_EQ(mkgmap.exitCode, 0) << mkgmap.out << mkgmap.err;
  EXPECT_EQ(mkgmap.err.find("SEVERE"), std::string::npos) << mkgmap.err;
  Subfiles tiles = ours;
  std::erase_if(tiles, [](const auto& subfile) { return !subfile.first.starts_with("6324"); });
  expectHolds(subfilesOf(home / "mkgmap" / "gmapsupp.img"), tiles);

  const ProductList theirs =
      productsOf(subfilesOf(files.mapsets().root() / "mapset" / "gmapsupp.img"));
  const ProductList mine = productsOf(ours);
  ASSERT_EQ(mine.maps.size(), theirs.maps.size());
  for (std::size_t i = 0; i < theirs.maps.size(); ++i) {
    SCOPED_TRACE(theirs.maps[i].mapNumber);
    EXPECT_EQ(mine.maps[i].fid, theirs.maps[i].fid);
    EXPECT_EQ(mine.maps[i].pid, theirs.maps[i].pid);
    EXPECT_EQ(mine.maps[i].mapNumber, theirs.maps[i].mapNumber);
    EXPECT_EQ(mine.maps[i].seriesName, theirs.maps[i].seriesName);
    EXPECT_EQ(mine.maps[i].description, theirs.maps[i].description);
    EXPECT_EQ(mine.maps[i].areaName, theirs.maps[i].areaName);
  }
  ASSERT_EQ(mine.products.size(), 1u);
  ASSERT_EQ(theirs.products.size(), 1u);
  EXPECT_EQ(mine.products[0].fid, theirs.products[0].fid);
  EXPECT_EQ(mine.products[0].pid, theirs.products[0].pid);
  EXPECT_EQ(mine.products[0].name, theirs.products[0].name);
}

TEST_F(SendToDeviceCommand, AnExistingImageIsReplacedOnlyWithYesAndARefusalWritesNothing) {
  const fs::path image = home / "Geraet" / "gmapsupp.img";
  writeFile(image, "altes Abbild");
  ProgramRun run = cli({"device-image", "--registry", "--out", image.string(), "4711:3"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, cliTexts(Sprache::Deutsch).imageExists + image.string() + "\n");
  EXPECT_EQ(readFile(image), "altes Abbild");

  run = cli({"device-image", "--out", image.string(), "--yes", "Harz_Reg", "Harzkarte Süd"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, sendToDeviceTexts(Sprache::Deutsch).sameProduct + "4711:3\n");
  EXPECT_EQ(readFile(image), "altes Abbild");

  run = cli({"device-image", "--registry", "--out", image.string(), "--yes", "4711:3"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(subfilesOf(image).count("63240001.TRE"), 1u);
}

}  // namespace
}  // namespace mapsetdesk::testing
