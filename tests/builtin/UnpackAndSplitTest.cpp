// Unpack, split by family and split of a family image, checked against the
// files mkgmap wrote: its gmap package, its tiles, its index and a device
// image of two families with a TYP file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "builtin/BuiltinGmt.h"
#include "builtin/GmtArguments.h"
#include "builtin/GmtFiles.h"
#include "builtin/ReportLines.h"
#include "formats/ImgContainer.h"
#include "formats/ImgFile.h"
#include "formats/ProductList.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using Subfiles = std::map<std::string, std::string>;  // file name -> bytes

Subfiles subfilesOf(const std::string& image) {
  Subfiles found;
  const auto container = readImgContainer(image);
  if (container)
    for (const ImgSubfile& subfile : container->subfiles) found[subfile.fileName()] = subfile.bytes;
  return found;
}

Subfiles filesIn(const fs::path& folder) {
  Subfiles found;
  for (const std::string& name : fileNames(folder)) found[name] = readFile(folder / name);
  return found;
}

Subfiles without(Subfiles subfiles, const std::string& type) {
  std::erase_if(subfiles, [&type](const auto& item) {
    return item.first.size() > 3 && item.first.substr(item.first.size() - 3) == type;
  });
  return subfiles;
}

class UnpackAndSplit : public GarminFilesTest {
 protected:
  bool gmt(const std::string& mode, const std::string& image) {
    return builtin::runGmt({mode, "-o", pathText(out), image}, report);
  }
  std::string package(const std::string& relative) {
    return "mapset/Harz Familie.gmap/Product3/" + relative;
  }

  fs::path out = scratch_ / "out";
  KeptReport report;
};

TEST_F(UnpackAndSplit, UnpackedSubfilesEqualThoseOfMkgmapsGmapPackage) {
  for (const char* tile : {"63240001", "63240002"}) {
    ASSERT_TRUE(gmt("-g", copy(std::string("mapset/") + tile + ".img")));
    EXPECT_EQ(filesIn(out), filesIn(garmin(package(tile)))) << tile;
    fs::remove_all(out);
  }
  ASSERT_TRUE(gmt("-g", copy("mapset/osmmap.img")));
  EXPECT_EQ(filesIn(out), filesIn(garmin(package("osmmap"))));
}

TEST_F(UnpackAndSplit, AScrambledContainerIsUnpackedUnscrambled) {
  const std::string image = pathText(scratch_ / "63240001.img");
  writeFile(image, scrambled(bytesOf("mapset/63240001.img"), '\x5A'));

  ASSERT_TRUE(gmt("-g", image));
  EXPECT_EQ(filesIn(out), filesIn(garmin(package("63240001"))));
  EXPECT_TRUE(report.has(builtin::readLine(image)));
  EXPECT_TRUE(report.has(builtin::writtenLine(pathText(out / "63240001.TRE"))));
}

TEST_F(UnpackAndSplit, ADamagedImageGivesAReportLineAndNoFile) {
  const std::string image = copy("mapset/gmapsupp.img");
  const std::string whole = readFile(image);
  // The last block holds the first 400 bytes of its subfile.
  for (const std::size_t keep : {whole.size() - 500, std::size_t{2000}, std::size_t{100}}) {
    writeFile(image, whole.substr(0, keep));
    for (const char* mode : {"-g", "-G", "-S"}) {
      KeptReport fresh;
      EXPECT_FALSE(builtin::runGmt({mode, "-o", pathText(out), image}, fresh)) << mode << keep;
      EXPECT_EQ(fresh.lines.size(), 1u) << mode << keep;
      EXPECT_EQ(fresh.lines.front().rfind("cannot read " + image + ": ", 0), 0u);
      EXPECT_FALSE(fs::exists(out)) << mode << keep;
    }
  }
}

TEST_F(UnpackAndSplit, ADirectoryPointingPastTheEndIsRefused) {
  std::string bytes = bytesOf("mapset/63240001.img");
  bytes[0x600 + 0x20] = '\x40';  // the first block of the first subfile, far out
  const std::string image = pathText(scratch_ / "far.img");
  writeFile(image, bytes);

  EXPECT_FALSE(gmt("-g", image));
  EXPECT_TRUE(
      report.has(builtin::cannotReadLine(image, describe(ImgFileProblem::DirectoryPastEnd))));
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(UnpackAndSplit, SubfileNamesThatWouldLeadOutOfTheFolderAreNotWritten) {
  const std::string image = pathText(scratch_ / "evil.img");
  writeFile(image, writeImgContainer({"evil", {{"../../ev", "TYP", "x"}, {"GOOD", "TYP", "y"}}}));

  EXPECT_FALSE(gmt("-g", image)) << "a run with a file left unwritten is no success";
  EXPECT_EQ(fileNames(out), std::vector<std::string>{"GOOD.TYP"});
  EXPECT_TRUE(report.has(builtin::cannotWriteLine(joinPath(pathText(out), "../../ev.TYP")) +
                         ": " + builtin::kNoFileName));
}

TEST_F(UnpackAndSplit, ADeviceImageSplitsIntoOneImagePerFamily) {
  const std::string image = copy("families/gmapsupp.img");
  ASSERT_TRUE(gmt("-G", image));
  EXPECT_EQ(fileNames(out), (std::vector<std::string>{"gmapsupp_4711.img", "gmapsupp_4712.img"}));

  Subfiles first = subfilesOf(readFile(out / "gmapsupp_4711.img"));
  Subfiles expected = subfilesOf(bytesOf("mapset/63240001.img"));
  expected.merge(subfilesOf(bytesOf("mapset/63240002.img")));
  expected["HARZ-TYP.TYP"] = bytesOf("typ/harz-typ.typ");
  expected["00004711.SRT"] = subfilesOf(bytesOf("families/gmapsupp.img"))["00004711.SRT"];
  EXPECT_EQ(without(first, "MPS"), expected);
  const ProductList firstProducts = readProductList(first["MAKEGMAP.MPS"]);
  EXPECT_EQ(firstProducts.families(), std::vector<std::uint16_t>{4711});
  EXPECT_EQ(firstProducts.maps.size(), 2u);

  Subfiles second = subfilesOf(readFile(out / "gmapsupp_4712.img"));
  EXPECT_EQ(without(without(second, "MPS"), "SRT"),
            subfilesOf(bytesOf("families/second/63250001.img")));
  EXPECT_EQ(readProductList(second["MAKEGMAP.MPS"]).families(), std::vector<std::uint16_t>{4712});
  EXPECT_TRUE(report.has(builtin::writtenLine(pathText(out / "gmapsupp_4712.img"))));
}

TEST_F(UnpackAndSplit, AnImageWithoutProductListBecomesTheFileOfFamilyZero) {
  const std::string image = copy("mapset/63240001.img");
  ASSERT_TRUE(gmt("-G", image));
  EXPECT_EQ(fileNames(out), std::vector<std::string>{"63240001_0000.img"});
  EXPECT_EQ(subfilesOf(readFile(out / "63240001_0000.img")), subfilesOf(readFile(image)));
}

TEST_F(UnpackAndSplit, AFamilyImageSplitsIntoTilesAndTheMapsetFilesMkgmapWouldWrite) {
  const std::string image = copy("mapset/gmapsupp.img");
  ASSERT_TRUE(gmt("-S", image));
  EXPECT_EQ(fileNames(out), (std::vector<std::string>{"63240001.img", "63240002.img", "mapset.mdx",
                                                      "mapset.mp", "mapset.tdb"}));
  for (const char* tile : {"63240001.img", "63240002.img"})
    EXPECT_EQ(subfilesOf(readFile(out / tile)), subfilesOf(bytesOf(std::string("mapset/") + tile)));
  EXPECT_EQ(readImgContainer(readFile(out / "63240002.img"))->description, "Sudteil");

  EXPECT_EQ(readFile(out / "mapset.mdx"), bytesOf("mapset/osmmap.mdx"));
  const std::string tdb = readFile(out / "mapset.tdb");
  EXPECT_EQ(tdbTileFacts(tdb), tdbTileFacts(bytesOf("mapset/osmmap.tdb")));
  const TdbHeader header = parseTdbHeader(tdb).header;
  EXPECT_EQ(header.fid, kMkgmapFid);
  EXPECT_EQ(header.pid, kMkgmapPid);
  EXPECT_EQ(header.name, kMkgmapSeriesName);
  EXPECT_EQ(checkTdbChecksum(tdb).state, TdbChecksumState::Ok);
  EXPECT_NE(readFile(out / "mapset.mp").find("Label=63240002\r\n"), std::string::npos);
}

TEST_F(UnpackAndSplit, TheFamilyImageOfTheSplitCarriesItsTypFileIntoTheTileSplit) {
  ASSERT_TRUE(gmt("-G", copy("families/gmapsupp.img")));
  const fs::path family = out / "gmapsupp_4711.img";
  const fs::path tiles = scratch_ / "tiles";
  KeptReport again;
  ASSERT_TRUE(builtin::runGmt({"-S", "-o", pathText(tiles), pathText(family)}, again));

  EXPECT_EQ(fileNames(tiles),
            (std::vector<std::string>{"63240001.img", "63240002.img", "HARZ-TYP.TYP", "mapset.mdx",
                                      "mapset.mp", "mapset.tdb"}));
  EXPECT_EQ(readTypFid(readFile(tiles / "HARZ-TYP.TYP")), 4711);
  EXPECT_EQ(readFile(tiles / "HARZ-TYP.TYP"), bytesOf("typ/harz-typ.typ"));
}

TEST_F(UnpackAndSplit, AnImageOfTwoFamiliesSplitsIntoTilesWithoutMapsetFiles) {
  ASSERT_TRUE(gmt("-S", copy("families/gmapsupp.img")));
  EXPECT_EQ(fileNames(out), (std::vector<std::string>{"63240001.img", "63240002.img",
                                                      "63250001.img", "HARZ-TYP.TYP"}));
}

TEST_F(UnpackAndSplit, ArgumentsOfNoKnownCommandLineGiveTheUsage) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {},
           {"-x", "-o", "d", "f"},
           {"-g", "f"},
           {"-g", "-o", "d"},
           {"-g", "-o", "d", "f", "g"},
           {"-S", "-f", "x,1", "-m", "M", "-n", "N", "-o", "d", "-@", "l"},
           {"-S", "-f", "4711,1", "-n", "N", "-o", "d", "-@", "l"},
           {"-G", "-o"}}) {
    KeptReport usage;
    EXPECT_FALSE(builtin::runGmt(arguments, usage));
    EXPECT_EQ(usage.lines, std::vector<std::string>{builtin::kGmtUsage});
  }
}

}  // namespace
}  // namespace mapsetdesk::testing
