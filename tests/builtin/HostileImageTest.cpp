// Damaged and crafted device images, made from mkgmap's gmapsupp.img: every
// built-in operation on them refuses with a report line and writes nothing,
// reads no more than the directory, and leaves no temporary file; output
// names that Windows takes for one, or for the image being read, are refused.
#include <gtest/gtest.h>

#include <filesystem>

#include "builtin/BuiltinGmt.h"
#include "builtin/DeviceImageCheck.h"
#include "builtin/ImageContents.h"
#include "builtin/GmtFiles.h"
#include "builtin/ReportLines.h"
#include "formats/ImgContainer.h"
#include "formats/ImgFile.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/CraftedImages.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

ImgFileProblem problemOf(CraftedFault fault) {
  switch (fault) {
    case CraftedFault::SharedBlock: return ImgFileProblem::BlockReused;
    case CraftedFault::SizeBeyondBlocks: return ImgFileProblem::SizeBeyondBlocks;
    case CraftedFault::RepeatedEntry: return ImgFileProblem::RepeatedEntry;
    default: return ImgFileProblem::None;
  }
}

// The line the splits report for the image's product list.
std::string productListLine(CraftedFault fault, const std::string& image) {
  return fault == CraftedFault::DamagedList
             ? builtin::cannotReadLine(image, builtin::kDamagedProductList)
             : builtin::tileWithoutFamilyLine(image, "63250001");
}

class HostileImage : public GarminFilesTest {
 protected:
  bool gmt(const std::string& mode, const std::string& image, KeptReport& report) {
    return builtin::runGmt({mode, "-o", pathText(out), image}, report);
  }

  fs::path out = scratch_ / "out";
};

TEST_F(HostileImage, EveryOperationRefusesAndWritesNothing) {
  const std::string image = pathText(scratch_ / "gmapsupp.img");
  for (const CraftedImage& crafted : craftedImages(bytesOf("families/gmapsupp.img"))) {
    SCOPED_TRACE(crafted.name);
    writeFile(image, crafted.bytes);
    const ImgFileProblem problem = problemOf(crafted.fault);
    const ImgFile file = ImgFile::open(image);
    EXPECT_EQ(file.problem(), problem);
    if (problem != ImgFileProblem::None) {
      EXPECT_LE(file.bytesRead(), ImageBytes(crafted.bytes).directoryEnd())
          << "the directory alone tells";
    }
    EXPECT_EQ(readImgContainer(crafted.bytes).has_value(), problem == ImgFileProblem::None);

    for (const char* mode : {"-g", "-G", "-S"}) {
      SCOPED_TRACE(mode);
      KeptReport report;
      const bool done = gmt(mode, image, report);
      if (problem == ImgFileProblem::None && std::string(mode) == "-g") {
        EXPECT_TRUE(done) << "unpacking needs no product list";
        fs::remove_all(out);
        continue;
      }
      EXPECT_FALSE(done);
      EXPECT_TRUE(report.has(problem != ImgFileProblem::None
                                 ? builtin::cannotReadLine(image, describe(problem))
                                 : productListLine(crafted.fault, image)));
      EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(fileNames(scratch_.path()), std::vector<std::string>{"gmapsupp.img"})
        << "no temporary file stays";
    EXPECT_EQ(readFile(image), crafted.bytes);
  }
}

TEST_F(HostileImage, AKilledRunsTemporaryFileIsTakenAwayByTheNextRun) {
  fs::create_directories(out);
  writeFile(out / "63240001.img.mapsetdesk-new", std::string(4096, 'x'));
  writeFile(out / "notes.txt", "kept");
  KeptReport report;
  ASSERT_TRUE(gmt("-S", copy("mapset/63240001.img"), report));
  EXPECT_EQ(fileNames(out), (std::vector<std::string>{"63240001.img", "notes.txt"}));
}

TEST_F(HostileImage, ReadingManyTilesLetsTheWindowsPaint) {
  const auto tile = readImgContainer(bytesOf("mapset/63240001.img"));
  ASSERT_TRUE(tile);
  ImgContainer many{"many", {}};
  for (const ImgSubfile& subfile : tile->subfiles)
    if (subfile.type == "TRE")
      for (int copy = 0; copy < 600; ++copy)
        many.subfiles.push_back({std::to_string(10000000 + copy), "TRE", subfile.bytes});
  const std::string image = pathText(scratch_ / "many.img");
  writeFile(image, writeImgContainer(many));
  ImgFile file = ImgFile::open(image);
  KeptReport report;
  EXPECT_EQ(builtin::readImageTiles(file, &report).size(), 600u);
  EXPECT_EQ(report.eventRuns, 2);
}

TEST_F(HostileImage, TheDeviceImageCheckTellsDamageFromLostTiles) {
  const std::string image = pathText(scratch_ / "gmapsupp.img");
  for (const CraftedImage& crafted : craftedImages(bytesOf("families/gmapsupp.img"))) {
    SCOPED_TRACE(crafted.name);
    writeFile(image, crafted.bytes);
    const builtin::DeviceImageCheck check = builtin::checkDeviceImage(image);
    if (crafted.fault == CraftedFault::TileWithoutFamily) {
      EXPECT_EQ(check.verdict, builtin::DeviceImageVerdict::TilesWithoutFamily);
      EXPECT_EQ(check.tilesWithoutFamily, std::vector<std::string>{"63250001"});
    } else {
      EXPECT_EQ(check.verdict, builtin::DeviceImageVerdict::Damaged);
    }
  }
  EXPECT_EQ(builtin::checkDeviceImage(copy("families/gmapsupp.img")).verdict,
            builtin::DeviceImageVerdict::Usable);
  EXPECT_EQ(builtin::checkDeviceImage(copy("mapset/63240001.img")).verdict,
            builtin::DeviceImageVerdict::Usable)
      << "an image without product list is split whole";
  writeFile(image, "no image");
  EXPECT_EQ(builtin::checkDeviceImage(image).verdict, builtin::DeviceImageVerdict::Unreadable);
}

TEST_F(HostileImage, NamesWindowsTakesForOneAreWrittenOnce) {
  const std::string image = pathText(scratch_ / "clash.img");
  writeFile(image, writeImgContainer({"clash",
                                      {{"ABC", "TYP", "first"},
                                       {"abc", "TYP", "second"},
                                       {"ABC", "TY ", "third"},
                                       {"CON", "TYP", "device"}}}));
  KeptReport report;
  EXPECT_FALSE(gmt("-g", image, report)) << "a run succeeds only when everything was written";
  EXPECT_EQ(fileNames(out), (std::vector<std::string>{"ABC.TY", "ABC.TYP"}));
  EXPECT_EQ(readFile(out / "ABC.TYP"), "first");
  EXPECT_TRUE(report.has(builtin::cannotWriteLine(pathText(out / "abc.TYP")) + ": " +
                         builtin::kNameTaken));
  EXPECT_TRUE(report.has(builtin::cannotWriteLine(pathText(out / "CON.TYP")) + ": " +
                         builtin::kNoFileName));
}

TEST_F(HostileImage, TheImageBeingReadIsNeverWrittenOver) {
  const std::string image = pathText(scratch_ / "GMAPSUPP.IMG");
  const std::string bytes = writeImgContainer({"self", {{"GMAPSUPP", "IMG", "inner"}}});
  writeFile(image, bytes);
  KeptReport report;
  EXPECT_FALSE(builtin::runGmt({"-g", "-o", scratch_.str(), image}, report));
  EXPECT_EQ(readFile(image), bytes);
  EXPECT_TRUE(report.has(builtin::cannotWriteLine(image) + ": " + builtin::kInputFile));
}

TEST_F(HostileImage, TwoTilesOfOneMapNumberAreNotBothWritten) {
  ImageBytes crafted(bytesOf("families/gmapsupp.img"));
  crafted.setU32(crafted.dataOf("63250001", "TRE") + 0x74, 63240001);
  const std::string image = pathText(scratch_ / "gmapsupp.img");
  writeFile(image, crafted.bytes());
  KeptReport report;
  EXPECT_FALSE(gmt("-S", image, report));
  EXPECT_TRUE(report.has(builtin::cannotWriteLine(pathText(out / "63240001.img")) + ": " +
                         builtin::kNameTaken));
  const auto written = readImgContainer(readFile(out / "63240001.img"));
  ASSERT_TRUE(written);
  EXPECT_EQ(written->subfiles.front().name, "63240001") << "the first tile stays";
}

}  // namespace
}  // namespace mapsetdesk::testing
