// The BaseCamp tile cache of a user who has browsed a lot holds tens of
// thousands of tiles, and walking it takes time the window cannot paint in.
// This fills a cache with 50 000 files and reports the time of one
// refresh (one walk of the cache), how many refreshes the start-up makes,
// and how many a mouse move of 100 events over the main window's cache
// button and over the folders window's BaseCamp label makes, with the time
// of those 100 events. The target is one refresh each.
//
// usage: cache_bench [FILES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cache/FolderSize.h"
#include "cache/TileCaches.h"
#include "platform/FilePath.h"
#include "support/ProgramHarness.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFilesPerFolder = 1000;  // BaseCamp keeps its tiles in folders by level
constexpr int kMoves = 100;
constexpr int kRounds = 5;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The machine of the harness, counting the look-ups of the local
// application data folder: every reading of the BaseCamp cache makes the
// same number of them, which the bench finds out first.
class CountingFacts : public testing::FakeSystemFacts {
 public:
  explicit CountingFacts(const testing::FakeSystemFacts& facts) : FakeSystemFacts(facts) {}
  std::string specialFolder(int folder) override {
    if (folder == kFolderLocalAppData) ++localLookups;
    return FakeSystemFacts::specialFolder(folder);
  }
  long localLookups = 0;
};

void fillCache(const fs::path& cache, int files) {
  const std::string tile(512, 't');
  for (int made = 0; made < files; ++made) {
    const fs::path folder = cache / ("level" + std::to_string(made / kFilesPerFolder));
    if (made % kFilesPerFolder == 0) fs::create_directories(folder);
    testing::writeFile(folder / (std::to_string(made) + ".tile"), tile);
  }
}

double medianRefreshMilliseconds(const std::string& cache) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    if (!folderBytes(cache)) std::fprintf(stderr, "the cache could not be read\n");
    times.push_back(millisecondsSince(start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

class CountedRun {
 public:
  explicit CountedRun(CountingFacts& facts, long perReading) : facts_(facts), per_(perReading) {
    before_ = facts.localLookups;
  }
  double refreshes() const {
    return static_cast<double>(facts_.localLookups - before_) / static_cast<double>(per_);
  }

 private:
  CountingFacts& facts_;
  long per_;
  long before_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 50000;
  testing::ProgramHarness program;
  program.storeSetting("Wow64", "falsch");
  CountingFacts facts(program.facts);
  Services& real = program.services;
  Services services{real.registry, facts,       real.dialogs, real.sound,
                    real.shell,    real.runner, real.folders, real.programFolder};

  const std::string cache = tileCacheFolder(facts, TileCache::BaseCamp);
  fillCache(filePath(cache), files);
  const long perReading = [&facts] {
    const long before = facts.localLookups;
    readTileCache(facts, TileCache::BaseCamp);
    return facts.localLookups - before;
  }();

  std::printf("cache of %d files in %d folders\n", files,
              (files + kFilesPerFolder - 1) / kFilesPerFolder);
  std::printf("one refresh (walk of the cache), median of %d: %.1f ms\n", kRounds,
              medianRefreshMilliseconds(cache));

  Session session;
  ui::ProgramWindows windows(program.screen, services, session);
  CountedRun startUp(facts, perReading);
  windows.main.show();
  std::printf("refreshes during the start-up: %.0f\n", startUp.refreshes());

  CountedRun button(facts, perReading);
  auto start = Clock::now();
  for (int move = 0; move < kMoves; ++move) windows.main.pointerMoved(windows.main.CommandKompa);
  std::printf("mouse move of %d events over CommandKompa: %.0f refreshes, %.1f ms\n", kMoves,
              button.refreshes(), millisecondsSince(start));

  windows.form1.open();
  CountedRun label(facts, perReading);
  start = Clock::now();
  for (int move = 0; move < kMoves; ++move) windows.form1.pointerMoved(windows.form1.LabelBaseCamp);
  std::printf("mouse move of %d events over Form1's LabelBaseCamp: %.0f refreshes, %.1f ms\n",
              kMoves, label.refreshes(), millisecondsSince(start));
  return 0;
}
