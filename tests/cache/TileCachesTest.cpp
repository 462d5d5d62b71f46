// Where the caches lie and how the folders window names them.
#include <gtest/gtest.h>

#include <filesystem>

#include "cache/TileCaches.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/FakeSystemFacts.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

using testing::FakeSystemFacts;
using testing::TempDir;
using testing::writeFile;

class TileCaches : public ::testing::Test {
 protected:
  void SetUp() override {
    facts.folders[kFolderLocalAppData] = local;
    facts.folders[kFolderAppData] = roaming;
    facts.folders[kFolderCommonAppData] = common;
  }
  void fill(TileCache cache, std::uintmax_t bytes) {
    const auto file = filePath(tileCacheFolder(facts, cache)) / "tile.bin";
    writeFile(file, "");
    std::filesystem::resize_file(file, bytes);
  }
  static MeasureFolder failing() {
    return [](const std::string&) { return std::optional<std::uint64_t>(); };
  }

  TempDir dir;
  std::string local = pathText(dir / "Local");
  std::string roaming = pathText(dir / "Roaming");
  std::string common = pathText(dir / "ProgramData");
  FakeSystemFacts facts;
};

TEST_F(TileCaches, EachLiesBelowItsSpecialFolder) {
  const auto below = [](std::string folder, std::initializer_list<const char*> names) {
    for (const char* name : names) folder = joinPath(folder, name);
    return folder;
  };
  EXPECT_EQ(tileCacheFolder(facts, TileCache::BaseCamp),
            below(local, {"Garmin", "BaseCamp", "TileCache"}));
  EXPECT_EQ(tileCacheFolder(facts, TileCache::MapInstall),
            below(local, {"Garmin", "MapInstall", "TileCache"}));
  EXPECT_EQ(tileCacheFolder(facts, TileCache::MapSource),
            below(roaming, {"GARMIN", "MapSource", "TileCache"}));
  EXPECT_EQ(tileCacheFolder(facts, TileCache::BaseCampProductData),
            below(local, {"Garmin", "BaseCamp", "ProductDataCache"}));
}

TEST_F(TileCaches, NoFolderWithoutItsSpecialFolder) {
  facts.folders.clear();
  EXPECT_EQ(tileCacheFolder(facts, TileCache::MapSource), "");
  const CacheReading reading = readTileCache(facts, TileCache::MapSource);
  EXPECT_EQ(reading.state, CacheState::Missing);
  EXPECT_EQ(cacheLabel(reading), "\\Garmin\\Mapsource\\Tilecache : folder is not existing");
}

TEST_F(TileCaches, LabelsOfMeasuredCaches) {
  fill(TileCache::BaseCamp, 3 * 1048476);
  fill(TileCache::MapInstall, 0);
  fill(TileCache::MapSource, 40000ull * 1048476);
  fill(TileCache::BaseCampProductData, 12345);
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::BaseCamp)),
            local + "\\GARMIN\\Basecamp\\TileCache :3 MB belegt");
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::MapInstall)),
            local + "\\GARMIN\\Mapinstall\\Tilecache :0 MB belegt");
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::MapSource)),
            roaming + "\\Garmin\\Mapsource\\Tilecache :40000 MB belegt");
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::BaseCampProductData)),
            local + "\\Garmin\\BaseCamp\\ProductDataCache :12345 Byte belegt");
}

TEST_F(TileCaches, LabelsOfMissingCaches) {
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::BaseCamp)),
            local + "\\GARMIN\\Basecamp\\TileCache: folder is not existing");
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::MapInstall)),
            local + "\\GARMIN\\Mapinstall\\Tilecache : folder is not existing");
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::MapSource)),
            roaming + "\\Garmin\\Mapsource\\Tilecache : folder is not existing");
  EXPECT_EQ(cacheLabel(readTileCache(facts, TileCache::BaseCampProductData)),
            local + "\\Garmin\\BaseCamp\\ProductDataCache : folder is not existing");
}

TEST_F(TileCaches, LabelsOfUnreadableCaches) {
  for (const TileCache cache : kTileCaches) fill(cache, 1);
  const auto label = [&](TileCache cache) {
    const CacheReading reading = readTileCache(facts, cache, failing());
    EXPECT_EQ(reading.state, CacheState::Unreadable);
    return cacheLabel(reading);
  };
  EXPECT_EQ(label(TileCache::BaseCamp),
            local + "\\GARMIN\\Basecamp\\TileCache: Zugriff verweigert");
  EXPECT_EQ(label(TileCache::MapInstall),
            local + "\\GARMIN\\Mapinstall\\Tilecache : Zugriff verweigert");
  EXPECT_EQ(label(TileCache::MapSource),
            roaming + "\\Garmin\\Mapsource\\Tilecache :Zugriff verweigert");
  EXPECT_EQ(label(TileCache::BaseCampProductData),
            local + "\\Garmin\\BaseCamp\\ProductDataCache : Zugriff verweigert");
}

TEST_F(TileCaches, AFileInPlaceOfTheFolderIsNoCache) {
  writeFile(filePath(tileCacheFolder(facts, TileCache::BaseCamp)), "not a folder");
  EXPECT_EQ(readTileCache(facts, TileCache::BaseCamp).state, CacheState::Missing);
}

TEST_F(TileCaches, PackageFolderLabels) {
  EXPECT_EQ(packageFolderLabel(facts, kFolderCommonAppData), common + "\\GARMIN\\Maps");
  EXPECT_EQ(packageFolderLabel(facts, kFolderAppData), roaming + "\\GARMIN\\Maps");
}

}  // namespace
}  // namespace mapsetdesk
