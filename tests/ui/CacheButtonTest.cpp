// The main window's BaseCamp cache button: its caption tells what the cache
// holds, a click empties the cache.
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
constexpr const char* kNotExistingOnFocus = "Garmin\\BaseCamp\\TileCache is not existing";
constexpr const char* kClearCaption = "BaseCamp-TileCache leeren";

class CacheButton : public ::testing::Test {
 protected:
  void SetUp() override { program.storeSetting("Wow64", "falsch"); }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  fs::path cache() { return filePath(tileCacheFolder(program.facts, TileCache::BaseCamp)); }
  void fileOfSize(const fs::path& file, std::uintmax_t bytes) {
    writeFile(file, "");
    fs::resize_file(file, bytes);
  }
  Message take() {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    return shown;
  }

  ProgramHarness program;
};

// The missing cache is told when the button gets the focus, not in its
// caption, and not while the pointer only passes over it.
TEST_F(CacheButton, WithoutACacheTheCaptionHasNoSizeAndTheFocusTellsWhy) {
  auto& main = program.start().main;
  EXPECT_EQ(main.CommandKompa.caption, kClearCaption);
  ASSERT_TRUE(mouseMove(main.CommandKompa));
  EXPECT_TRUE(program.dialogs.messages().empty());
  ASSERT_TRUE(focus(main.CommandKompa));
  const Message shown = take();
  EXPECT_EQ(shown.text, kNotExistingOnFocus);
  EXPECT_EQ(shown.icon, Icon::None);
  EXPECT_EQ(main.CommandKompa.caption, kClearCaption);
  EXPECT_FALSE(fs::exists(cache()));
}

TEST_F(CacheButton, CaptionOfAnEmptyCacheHasNoSize) {
  fileOfSize(cache() / "small.tile", kMB / 2);  // rounds to 0 MB
  auto& main = program.start().main;
  EXPECT_EQ(main.CommandKompa.caption, kClearCaption);
  EXPECT_EQ(program.session->vstringMB, "0 MB");
}

TEST_F(CacheButton, CaptionWithTheSizeInBothLanguages) {
  fileOfSize(cache() / "a.tile", 3 * kMB);
  fileOfSize(cache() / "level" / "b.tile", 40000 * kMB);
  auto& main = program.start().main;
  EXPECT_EQ(main.CommandKompa.caption, "TileCache BaseCamp leeren : 40003 MB belegt-leeren?");
  ASSERT_TRUE(click(main.Sprachwahl));
  EXPECT_EQ(main.CommandKompa.caption, "clear BaseCamp TileCache : 40003 MB in use -delete ?");
  EXPECT_EQ(program.session->vMB, 40003);
}

TEST_F(CacheButton, CaptionFollowsTheCacheOnFocusAndPointer) {
  auto& main = program.start().main;
  fileOfSize(cache() / "a.tile", 2 * kMB);
  ASSERT_TRUE(focus(main.CommandKompa));
  EXPECT_EQ(main.CommandKompa.caption, "TileCache BaseCamp leeren : 2 MB belegt-leeren?");
  fileOfSize(cache() / "b.tile", 3 * kMB);
  ASSERT_TRUE(mouseMove(main.CommandKompa));
  EXPECT_EQ(main.CommandKompa.caption, "TileCache BaseCamp leeren : 5 MB belegt-leeren?");
  EXPECT_EQ(program.session->vstringMB, "5 MB");
  fs::remove_all(cache());
  mouseLeave(main.CommandKompa);
  ASSERT_TRUE(mouseMove(main.CommandKompa));
  EXPECT_EQ(main.CommandKompa.caption, kClearCaption);
  EXPECT_EQ(program.session->vMB, 0);
  EXPECT_EQ(program.session->vstringMB, "");
}

// A large cache takes long to walk: the pointer's visit measures it once,
// the moves that follow keep what was measured.
TEST_F(CacheButton, ThePointerMeasuresOncePerVisit) {
  auto& main = program.start().main;
  fileOfSize(cache() / "a.tile", 2 * kMB);
  ASSERT_TRUE(mouseMove(main.CommandKompa));
  fileOfSize(cache() / "b.tile", 3 * kMB);
  for (int move = 0; move < 5; ++move) ASSERT_TRUE(mouseMove(main.CommandKompa));
  EXPECT_EQ(main.CommandKompa.caption, "TileCache BaseCamp leeren : 2 MB belegt-leeren?");
  mouseLeave(main.CommandKompa);
  ASSERT_TRUE(mouseMove(main.CommandKompa));
  EXPECT_EQ(main.CommandKompa.caption, "TileCache BaseCamp leeren : 5 MB belegt-leeren?");
}

// Changing the language shows the kept size in the other language without
// measuring: the cache that grew meanwhile shows on the next visit only.
TEST_F(CacheButton, TheLanguageShowsTheKeptSize) {
  fileOfSize(cache() / "a.tile", 2 * kMB);
  auto& main = program.start().main;
  fileOfSize(cache() / "b.tile", 3 * kMB);
  ASSERT_TRUE(click(main.Sprachwahl));
  EXPECT_EQ(main.CommandKompa.caption, "clear BaseCamp TileCache : 2 MB in use -delete ?");
  EXPECT_EQ(program.session->vMB, 2);
}

TEST_F(CacheButton, ClickEmptiesTheCacheUnderTheHighlightAndKeepsFoldersBelow) {
  for (const char* name : {"1.tile", "2.tile"}) fileOfSize(cache() / name, kMB);
  fileOfSize(cache() / "level" / "3.tile", kMB);
  PartlyDenyingFolderOps folders(*program.folders);
  Services& real = program.services;
  Services watched{real.registry, real.facts,  real.dialogs, real.sound,
                   real.shell,    real.runner, folders,      real.programFolder};
  Session session;
  ui::ProgramWindows windows(program.screen, watched, session);
  windows.main.show();
  auto& button = windows.main.CommandKompa;
  std::vector<std::optional<ui::Color>> colours;
  folders.beforeRemoval = [&] { colours.push_back(button.backColor); };
  const int eventsBefore = program.screen.eventRuns;

  ASSERT_TRUE(click(button));
  const Message shown = take();
  EXPECT_EQ(shown.text, "1 MB im Tilecache");
  EXPECT_EQ(shown.icon, Icon::Information);
  EXPECT_EQ(colours, (std::vector<std::optional<ui::Color>>(2, ui::kActionColour)));
  EXPECT_EQ(button.backColor, ui::kButtonColour);
  EXPECT_EQ(program.screen.eventRuns - eventsBefore, 2);
  EXPECT_EQ(button.caption, "TileCache BaseCamp leeren : 1 MB belegt-leeren?");
  EXPECT_EQ(session.vMB, 1);
  EXPECT_EQ(session.vstringMB, "1 MB");
  EXPECT_FALSE(fs::exists(cache() / "1.tile"));
  EXPECT_TRUE(fs::exists(cache() / "level" / "3.tile"));
}

TEST_F(CacheButton, ClickOnAnEmptiedCacheGivesTheCaptionWithoutSize) {
  fileOfSize(cache() / "1.tile", 4 * kMB);
  auto& main = program.start().main;
  ASSERT_TRUE(click(main.CommandKompa));
  EXPECT_EQ(take().text, "0 MB im Tilecache");
  EXPECT_EQ(main.CommandKompa.caption, kClearCaption);
  EXPECT_TRUE(fs::is_directory(cache()));
}

TEST_F(CacheButton, ClickWithoutACacheSaysSoAndCreatesNothing) {
  program.storeSetting("Language", "Eng");
  auto& main = program.start().main;
  ASSERT_TRUE(click(main.CommandKompa));
  EXPECT_EQ(take().text, kNotExistingOnFocus);  // the click gave the button the focus
  const Message shown = take();
  EXPECT_EQ(shown.text, "TileCache is not existing");
  EXPECT_EQ(shown.icon, Icon::None);
  EXPECT_FALSE(fs::exists(cache()));
  EXPECT_EQ(main.CommandKompa.backColor, ui::kButtonColour);
  EXPECT_EQ(main.CommandKompa.caption, "clear BaseCamp TileCache");
}

TEST_F(CacheButton, HeldFilesAreCountedInTheLanguageOfTheWindow) {
  for (const char* name : {"1.tile", "2.tile", "3.tile"}) fileOfSize(cache() / name, kMB);
  program.storeSetting("Language", "Eng");
  PartlyDenyingFolderOps folders(*program.folders);
  folders.held = {"1.tile", "3.tile"};
  Services& real = program.services;
  Services denying{real.registry, real.facts,  real.dialogs, real.sound,
                   real.shell,    real.runner, folders,      real.programFolder};
  Session session;
  ui::ProgramWindows windows(program.screen, denying, session);
  windows.main.show();
  ASSERT_TRUE(click(windows.main.CommandKompa));
  const Message shown = take();
  EXPECT_EQ(shown.text,
            "2 MB im Tilecache\n2 file(s) could not be deleted: a running program uses them, or "
            "they are write-protected.");
  EXPECT_EQ(shown.icon, Icon::Exclamation);
  EXPECT_EQ(windows.main.CommandKompa.caption, "clear BaseCamp TileCache : 2 MB in use -delete ?");
}

}  // namespace
}  // namespace mapsetdesk::testing
