// The folders window: what each cache holds, the buttons that empty the tile
// caches, the package folders and the texts by language.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "support/FormDriver.h"
#include "support/PartlyDenyingFolderOps.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kMB = 1048476;

class FoldersWindow : public ::testing::Test {
 protected:
  void SetUp() override { program.storeSetting("Wow64", "falsch"); }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::Form1& open() {
    auto& windows = program.start();
    EXPECT_TRUE(click(windows.main.LabelGMPFolder));
    EXPECT_TRUE(windows.form1.visible());
    return windows.form1;
  }
  fs::path cache(TileCache which) { return filePath(tileCacheFolder(program.facts, which)); }
  void fileOfSize(const fs::path& file, std::uintmax_t bytes) {
    writeFile(file, "");
    fs::resize_file(file, bytes);
  }
  std::string local() { return program.facts.folders[kFolderLocalAppData]; }
  std::string roaming() { return program.facts.folders[kFolderAppData]; }
  void expectMessage(const std::string& text, Icon icon) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    EXPECT_EQ(shown.icon, icon);
  }

  ProgramHarness program;
};

TEST_F(FoldersWindow, EveryCacheMissing) {
  auto& window = open();
  EXPECT_EQ(window.LabelBaseCamp.caption,
            local() + "\\GARMIN\\Basecamp\\TileCache: folder is not existing");
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache : folder is not existing");
  EXPECT_EQ(window.LabelMapSource.caption,
            roaming() + "\\Garmin\\Mapsource\\Tilecache : folder is not existing");
  EXPECT_EQ(window.LabelProductDataCache.caption,
            local() + "\\Garmin\\BaseCamp\\ProductDataCache : folder is not existing");
  EXPECT_FALSE(window.CmdBCTilecache.enabled);
  EXPECT_FALSE(window.CmdMapinstallTileCache.enabled);
  EXPECT_FALSE(window.CmdMSTileCache.enabled);
  EXPECT_FALSE(fs::exists(cache(TileCache::BaseCamp)));
}

TEST_F(FoldersWindow, PackageFoldersWithTheUsersFolderTwice) {
  auto& window = open();
  EXPECT_EQ(window.LabelMaps1.caption,
            program.facts.folders[kFolderCommonAppData] + "\\GARMIN\\Maps");
  EXPECT_EQ(window.LabelMaps2.caption, roaming() + "\\GARMIN\\Maps");
  EXPECT_EQ(window.LabelMaps3.caption, roaming() + "\\GARMIN\\Maps");
}

TEST_F(FoldersWindow, EveryCachePresent) {
  fileOfSize(cache(TileCache::BaseCamp) / "a.tile", 2 * kMB);
  fileOfSize(cache(TileCache::MapInstall) / "level" / "a.tile", kMB);
  fs::create_directories(cache(TileCache::MapSource));
  fileOfSize(cache(TileCache::BaseCampProductData) / "p.dat", 4711);
  auto& window = open();
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :2 MB belegt");
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache :1 MB belegt");
  EXPECT_EQ(window.LabelMapSource.caption,
            roaming() + "\\Garmin\\Mapsource\\Tilecache :0 MB belegt");
  EXPECT_EQ(window.LabelProductDataCache.caption,
            local() + "\\Garmin\\BaseCamp\\ProductDataCache :4711 Byte belegt");
  EXPECT_TRUE(window.CmdBCTilecache.usable());
  EXPECT_TRUE(window.CmdMapinstallTileCache.usable());
  EXPECT_TRUE(window.CmdMSTileCache.usable());
}

TEST_F(FoldersWindow, UnreadableCaches) {
  for (const TileCache which : kTileCaches) fs::create_directories(cache(which));
  const auto unreadable = [](const std::string&) { return std::optional<std::uint64_t>(); };
  ui::Form1 window(program.screen, program.services, unreadable);
  window.show();
  EXPECT_EQ(window.LabelBaseCamp.caption,
            local() + "\\GARMIN\\Basecamp\\TileCache: Zugriff verweigert");
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache : Zugriff verweigert");
  EXPECT_EQ(window.LabelMapSource.caption,
            roaming() + "\\Garmin\\Mapsource\\Tilecache :Zugriff verweigert");
  EXPECT_EQ(window.LabelProductDataCache.caption,
            local() + "\\Garmin\\BaseCamp\\ProductDataCache : Zugriff verweigert");
  EXPECT_FALSE(window.CmdBCTilecache.enabled);
  EXPECT_FALSE(window.CmdMapinstallTileCache.enabled);
  EXPECT_FALSE(window.CmdMSTileCache.enabled);
}

TEST_F(FoldersWindow, GermanTexts) {
  auto& window = open();
  EXPECT_EQ(window.caption, "Ordner fuer Garmin 'gmap'-Kartensets und 'gma'-unlock -Fileanzeigen");
  EXPECT_EQ(window.LabelErklaerung.caption,
            "Damit Kartensets im gmp-Format in Mapsource dargestellt werden, müssen die  Ordner "
            "'GMAP' \r\ndes jeweiligen Kartensets als Unterordner in einem der oben angezeigten "
            "Pfade gespeichert werden.\r\nEs ist u.U. möglich, daß im Windowsexplorer statt "
            "'User' 'Benutzer' angezeigt wird, oder umgekehrt.\r\nDas ist dann gleichwertig.");
  EXPECT_EQ(window.CmdBCTilecache.caption, "BaseCamp-TileCache leeren");
}

TEST_F(FoldersWindow, EnglishTextsFollowTheLanguageMenu) {
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.Sprachwahl));
  ASSERT_TRUE(click(windows.main.LabelGMPFolder));
  auto& window = windows.form1;
  EXPECT_EQ(window.caption, "Show folders where GARMIN-'gmap'-mapsets and gma-unlock are stored");
  EXPECT_EQ(window.LabelErklaerung.caption,
            "To show up custom mapsets as 'gmap'-files in Mapsource, store the 'GMAP'-folders as "
            "subfolder in \r\n folders with path like shown in the upper boxes. If this folders "
            "not already   exists,\r\n please create it immediately.");
  EXPECT_EQ(window.CmdMSTileCache.caption, "clear MapSource TileCache");
  // The cache texts are the same in both languages.
  EXPECT_EQ(window.LabelBaseCamp.caption,
            local() + "\\GARMIN\\Basecamp\\TileCache: folder is not existing");
}

TEST_F(FoldersWindow, EmptyingKeepsTheFoldersBelowAndReportsTheirSize) {
  const fs::path tiles = cache(TileCache::BaseCamp);
  for (const char* name : {"1.tile", "2.tile", "3.tile", "4.tile"}) fileOfSize(tiles / name, kMB);
  fileOfSize(tiles / "level" / "5.tile", kMB);
  fileOfSize(tiles / "level" / "deeper" / "6.tile", 2 * kMB);
  auto& window = open();
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :7 MB belegt");
  const int eventsBefore = program.screen.eventRuns;
  ASSERT_TRUE(click(window.CmdBCTilecache));
  expectMessage("3 MB im Tilecache", Icon::Information);
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :3 MB belegt");
  EXPECT_EQ(program.screen.eventRuns - eventsBefore, 4);
  EXPECT_FALSE(fs::exists(tiles / "1.tile"));
  EXPECT_TRUE(fs::exists(tiles / "level" / "5.tile"));
  EXPECT_TRUE(fs::exists(tiles / "level" / "deeper" / "6.tile"));
}

TEST_F(FoldersWindow, MapInstallAndMapSourceButtonsEmptyTheirOwnCache) {
  fileOfSize(cache(TileCache::MapInstall) / "a.tile", kMB);
  fileOfSize(cache(TileCache::MapSource) / "b.tile", kMB);
  fileOfSize(cache(TileCache::MapSource) / "keep" / "c.tile", 2 * kMB);
  fileOfSize(cache(TileCache::BaseCamp) / "d.tile", kMB);
  auto& window = open();
  ASSERT_TRUE(click(window.CmdMapinstallTileCache));
  expectMessage("0 MB im Tilecache", Icon::Information);
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache :0 MB belegt");
  ASSERT_TRUE(click(window.CmdMSTileCache));
  expectMessage("2 MB im Tilecache", Icon::Information);
  EXPECT_EQ(window.LabelMapSource.caption,
            roaming() + "\\Garmin\\Mapsource\\Tilecache :2 MB belegt");
  EXPECT_FALSE(fs::exists(cache(TileCache::MapInstall) / "a.tile"));
  EXPECT_FALSE(fs::exists(cache(TileCache::MapSource) / "b.tile"));
  EXPECT_TRUE(fs::exists(cache(TileCache::BaseCamp) / "d.tile"));
}

TEST_F(FoldersWindow, ACacheGoneSinceLoadingIsReportedAndNotCreated) {
  for (const TileCache which : kTileCaches) fs::create_directories(cache(which));
  auto& window = open();
  fs::remove_all(program.folder / "Local");
  fs::remove_all(program.folder / "Roaming");
  ASSERT_TRUE(click(window.CmdBCTilecache));
  expectMessage("Folder Garmin\\BaseCamp\\TileCache is not existing", Icon::None);
  ASSERT_TRUE(click(window.CmdMapinstallTileCache));
  expectMessage("Folder \\GARMIN\\Mapinstall\\Tilecache is not existing", Icon::None);
  ASSERT_TRUE(click(window.CmdMSTileCache));
  expectMessage("Folder \\GARMIN\\MapSource\\TileCache is not existing", Icon::None);
  EXPECT_FALSE(fs::exists(program.folder / "Local"));
}

TEST_F(FoldersWindow, FilesThatCannotBeDeletedAreCountedAndTheRestGo) {
  const fs::path tiles = cache(TileCache::MapSource);
  for (const char* name : {"1.tile", "2.tile", "3.tile"}) fileOfSize(tiles / name, kMB);
  PartlyDenyingFolderOps folders(*program.folders);
  folders.held = {"2.tile"};
  Services& real = program.services;
  Services denying{real.registry, real.facts,  real.dialogs, real.sound,
                   real.shell,    real.runner, folders,      real.programFolder};
  ui::Form1 window(program.screen, denying);
  window.show();
  ASSERT_TRUE(click(window.CmdMSTileCache));
  expectMessage(
      "1 MB im Tilecache\n1 Datei(en) konnten nicht gelöscht werden: ein laufendes "
      "Programm benutzt sie, oder sie sind schreibgeschützt.",
      Icon::Exclamation);
  EXPECT_EQ(folders.asked.size(), 3u);
  EXPECT_TRUE(fs::exists(tiles / "2.tile"));
  EXPECT_FALSE(fs::exists(tiles / "3.tile"));
}

// The moves that follow the pointer's coming over a label keep what was
// measured then; the next visit measures again.
TEST_F(FoldersWindow, ThePointerMeasuresALabelOncePerVisit) {
  auto& window = open();
  fileOfSize(cache(TileCache::BaseCamp) / "a.tile", 6 * kMB);
  ASSERT_TRUE(mouseMove(window.LabelBaseCamp));
  fileOfSize(cache(TileCache::BaseCamp) / "b.tile", kMB);
  for (int move = 0; move < 5; ++move) ASSERT_TRUE(mouseMove(window.LabelBaseCamp));
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :6 MB belegt");
  mouseLeave(window.LabelBaseCamp);
  ASSERT_TRUE(mouseMove(window.LabelBaseCamp));
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :7 MB belegt");
}

TEST_F(FoldersWindow, PointingAtOrClickingTheBaseCampAndMapSourceLabelsRefreshesThem) {
  auto& window = open();
  fileOfSize(cache(TileCache::MapSource) / "a.tile", 5 * kMB);
  fileOfSize(cache(TileCache::BaseCamp) / "a.tile", 6 * kMB);
  fileOfSize(cache(TileCache::MapInstall) / "a.tile", 7 * kMB);
  ASSERT_TRUE(mouseMove(window.LabelMapSource));
  EXPECT_EQ(window.LabelMapSource.caption,
            roaming() + "\\Garmin\\Mapsource\\Tilecache :5 MB belegt");
  EXPECT_TRUE(window.CmdMSTileCache.usable());
  ASSERT_TRUE(click(window.LabelBaseCamp));
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :6 MB belegt");
  EXPECT_TRUE(window.CmdBCTilecache.usable());
  // The MapInstall label is measured on loading only.
  ASSERT_TRUE(mouseMove(window.LabelMapinstall));
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache : folder is not existing");

  fileOfSize(cache(TileCache::BaseCamp) / "b.tile", kMB);
  ASSERT_TRUE(mouseMove(window.LabelBaseCamp));
  EXPECT_EQ(window.LabelBaseCamp.caption, local() + "\\GARMIN\\Basecamp\\TileCache :7 MB belegt");
  fs::remove_all(cache(TileCache::MapSource));
  ASSERT_TRUE(click(window.LabelMapSource));
  EXPECT_EQ(window.LabelMapSource.caption,
            roaming() + "\\Garmin\\Mapsource\\Tilecache : folder is not existing");
  EXPECT_FALSE(window.CmdMSTileCache.enabled);
}

TEST_F(FoldersWindow, OpeningAgainMeasuresAfresh) {
  auto& window = open();
  fileOfSize(cache(TileCache::MapInstall) / "a.tile", 7 * kMB);
  ASSERT_TRUE(click(program.main().LabelGMPFolder));
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache :7 MB belegt");
  window.unload();
  fs::remove_all(cache(TileCache::MapInstall));
  ASSERT_TRUE(click(program.main().LabelGMPFolder));
  EXPECT_EQ(window.LabelMapinstall.caption,
            local() + "\\GARMIN\\Mapinstall\\Tilecache : folder is not existing");
}

}  // namespace
}  // namespace mapsetdesk::testing
