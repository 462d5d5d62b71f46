// What a device image refuses before a byte is written, over real mkgmap
// files: each refusal names what is wrong and leaves no target behind; and
// the image a plan writes reads back with every subfile as installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/messages/SendToDeviceTexts.h"
#include "formats/ImgContainer.h"
#include "formats/TypHeader.h"
#include "support/ExistingMapsetFiles.h"
#include "support/TempDir.h"
#include "transfer/DeviceImageWriter.h"
#include "transfer/DeviceRefusalText.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::ExistingFiles;
using testing::readFile;

CatalogueRow registration(const ExistingFiles& files, const std::string& name) {
  CatalogueRow row;
  row.state = EntryState::Complete;
  row.cells.name = name;
  row.entry.tdb = files.tdb;
  row.entry.overview = files.overview;
  row.entry.tileFolder = files.tiles;
  if (!files.typ.empty()) row.entry.typ = files.typ;
  return row;
}

// Public: the table's cases reach into it.
class DeviceImagePlan_ : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(made.available()) << testing::kNoGarminFiles;
    harz = made.make(folder / "harz", "Harz", 4711, 3, {.typ = true});
    other = made.make(folder / "zweite", "Zweite", 4712, 5);
  }

  DeviceMapsetRead read(const ExistingFiles& files) {
    return readDeviceMapset(registration(files, "Harz"));
  }

  testing::ExistingMapsetFiles made;
  testing::TempDir folder;
  ExistingFiles harz;
  ExistingFiles other;
  fs::path target = folder / "Garmin" / "gmapsupp.img";
};

struct RefusalCase {
  const char* name;
  std::function<std::vector<DeviceMapsetRead>(DeviceImagePlan_&)> chosen;
  DeviceRefusalKind kind;
  std::function<std::string(DeviceImagePlan_&)> subject;
  std::optional<std::uint64_t> room = std::nullopt;
  std::function<std::string(DeviceImagePlan_&)> targetOf = nullptr;
};

TEST_F(DeviceImagePlan_, RefusesBeforeWritingAndSaysWhy) {
  const auto file = [](std::string ExistingFiles::*member, std::string tail = {}) {
    return [member, tail](DeviceImagePlan_& t) { return t.harz.*member + tail; };
  };
  const std::vector<RefusalCase> cases = {
      {"nothing chosen", [](auto&) { return std::vector<DeviceMapsetRead>{}; },
       DeviceRefusalKind::NoMapset, [](auto&) { return std::string(); }},
      {"one mapset twice",
       [](auto& t) {
         return std::vector{t.read(t.harz), t.read(t.harz)};
       },
       DeviceRefusalKind::SameProduct, [](auto&) { return std::string("4711:3"); }},
      {"two families with the same tiles",
       [](auto& t) {
         return std::vector{t.read(t.harz), t.read(t.other)};
       },
       DeviceRefusalKind::SameMapNumber, [](auto&) { return std::string("63240001.RGN"); }},
      {"tile file missing",
       [](auto& t) {
         fs::remove(filePath(t.harz.tiles + "63240002.img"));
         return std::vector{t.read(t.harz)};
       },
       DeviceRefusalKind::FileMissing, file(&ExistingFiles::tiles, "63240002.img")},
      {"tile file truncated",
       [](auto& t) {
         fs::resize_file(filePath(t.harz.tiles + "63240001.img"), 100);
         return std::vector{t.read(t.harz)};
       },
       DeviceRefusalKind::FileDamaged, file(&ExistingFiles::tiles, "63240001.img")},
      {"TDB missing",
       [](auto& t) {
         fs::remove(filePath(t.harz.tdb));
         return std::vector{t.read(t.harz)};
       },
       DeviceRefusalKind::FileMissing, file(&ExistingFiles::tdb)},
      {"TYP of another kind",
       [](auto& t) {
         testing::writeFile(filePath(t.harz.typ), std::string(200, 'x'));
         return std::vector{t.read(t.harz)};
       },
       DeviceRefusalKind::FileDamaged, file(&ExistingFiles::typ)},
      {"no room on the target", [](auto& t) { return std::vector{t.read(t.harz)}; },
       DeviceRefusalKind::NoRoom, [](auto&) { return std::string("1 MB"); }, 1000},
      {"larger than FAT32 holds",
       [](auto& t) {
         DeviceMapsetRead huge = t.read(t.harz);
         for (DeviceTile& tile : huge.mapset->tiles)
           for (DeviceSubfile& subfile : tile.subfiles) subfile.size = 0x7FFFFFFF;
         return std::vector{huge};
       },
       DeviceRefusalKind::TooLargeForFat32, [](auto&) { return std::string("12289 MB"); }},
      {"target is a hard link to a tile", [](auto& t) { return std::vector{t.read(t.harz)}; },
       DeviceRefusalKind::TargetIsInput, file(&ExistingFiles::tiles, "gmapsupp.img"), std::nullopt,
       [](auto& t) {
         fs::create_hard_link(filePath(t.harz.tiles + "63240001.img"),
                              filePath(t.harz.tiles + "gmapsupp.img"));
         return t.harz.tiles + "gmapsupp.img";
       }},
      {"no target", [](auto& t) { return std::vector{t.read(t.harz)}; },
       DeviceRefusalKind::NoTarget, [](auto&) { return std::string(); }, std::nullopt,
       [](auto&) { return std::string(); }},
      {"target named as a tile", [](auto& t) { return std::vector{t.read(t.harz)}; },
       DeviceRefusalKind::NotAnImageName,
       [](auto& t) { return pathText(t.folder / "63250001.img"); }, std::nullopt,
       [](auto& t) { return pathText(t.folder / "63250001.img"); }},
      {"target is a folder", [](auto& t) { return std::vector{t.read(t.harz)}; },
       DeviceRefusalKind::TargetIsFolder, file(&ExistingFiles::tiles), std::nullopt,
       file(&ExistingFiles::tiles)},
  };
  const SendToDeviceTexts texts = sendToDeviceTexts(Sprache::Deutsch);
  for (const RefusalCase& refusal : cases) {
    SCOPED_TRACE(refusal.name);
    SetUp();
    const std::string goal = refusal.targetOf ? refusal.targetOf(*this) : pathText(target);
    const std::vector<DeviceMapsetRead> chosen = refusal.chosen(*this);
    const std::string before = readFile(filePath(harz.tiles + "63240001.img"));
    PlannedImage planned = planDeviceImage(chosen);
    if (planned.plan) planned.refusal = checkDeviceTarget(*planned.plan, goal, refusal.room);
    EXPECT_EQ(planned.refusal.kind, refusal.kind);
    EXPECT_EQ(planned.refusal.subject, refusal.subject(*this));
    EXPECT_FALSE(refusalText(texts, planned.refusal).empty());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(readFile(filePath(harz.tiles + "63240001.img")) == before)
        << "the tile is untouched";
  }
}

TEST_F(DeviceImagePlan_, WritesEverySubfileAsInstalledAndTheTypWithTheFamilysFid) {
  const PlannedImage planned = planDeviceImageTo({read(harz)}, pathText(target));
  ASSERT_TRUE(planned.plan) << static_cast<int>(planned.refusal.kind) << planned.refusal.subject;
  fs::create_directories(target.parent_path());
  testing::writeFile(target, "old image");
  std::vector<std::string> reported;
  DeviceWriteProgress progress;
  progress.mapsetWritten = [&](const DeviceMapset& mapset) { reported.push_back(mapset.name); };
  ASSERT_TRUE(writeDeviceImage(*planned.plan, pathText(target), progress));
  EXPECT_EQ(reported, std::vector<std::string>{"Harz"});
  EXPECT_EQ(fs::file_size(target), planned.plan->size);

  const auto image = readImgContainer(readFile(target));
  ASSERT_TRUE(image);
  std::map<std::string, std::string> subfiles;
  for (const ImgSubfile& subfile : image->subfiles) subfiles[subfile.fileName()] = subfile.bytes;
  for (const char* tile : {"63240001", "63240002"}) {
    const auto installed = readImgContainer(readFile(filePath(harz.tiles + tile + ".img")));
    ASSERT_TRUE(installed);
    for (const ImgSubfile& subfile : installed->subfiles)
      EXPECT_EQ(subfiles[subfile.fileName()], subfile.bytes) << subfile.fileName();
  }
  ASSERT_EQ(subfiles.count("00004711.TYP"), 1u);
  EXPECT_EQ(readTypFid(subfiles["00004711.TYP"]), 4711);
  const ProductList products = readProductList(subfiles["MAPSOURC.MPS"]);
  ASSERT_EQ(products.maps.size(), 2u);
  EXPECT_EQ(products.maps[1].mapNumber, 63240002u);
  EXPECT_EQ(products.maps[1].seriesName, "Harz");
  ASSERT_EQ(products.products.size(), 1u);
  EXPECT_EQ(products.products[0].fid, 4711);
  EXPECT_EQ(products.products[0].pid, 3);
}

TEST_F(DeviceImagePlan_, AFileThatChangesBeforeWritingLeavesTheOldImage) {
  const PlannedImage planned = planDeviceImageTo({read(harz)}, pathText(target));
  ASSERT_TRUE(planned.plan);
  fs::create_directories(target.parent_path());
  testing::writeFile(target, "old image");
  fs::resize_file(filePath(harz.tiles + "63240002.img"), 1024);
  EXPECT_FALSE(writeDeviceImage(*planned.plan, pathText(target), {}));
  EXPECT_EQ(readFile(target), "old image");
  EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()),
            1)
      << "no temporary file is left";
}

}  // namespace
}  // namespace mapsetdesk
