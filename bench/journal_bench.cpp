// The change journal's cost on a draw-priority change of 2000 tiles of 4 MB:
// the flow of the window and the command line (each tile's TRE header found,
// its byte written), once on its own and once inside the journal (the bytes
// kept and written through one opening, the entry marked complete), in the
// same run; then the size of the entry and the time of its undo. Each step
// runs five times, in turn with the other, and the median counts: the file
// system's writing back of earlier runs falls on either.
// The install half: the installation run of 1000 tiles (copies of the
// tiles given) as a gmap package with the built-in tools, without and with
// the journal, then the undo, which moves the package into the undo's own
// entry.
//
// usage: journal_bench [--folder DIR] TILE.img [TILE.img ...]
//   (a temporary folder by default; removed after)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "QuietInstall.h"
#include "edit/DrawPriority.h"
#include "formats/FileBytes.h"
#include "history/JournaledAction.h"
#include "history/Undo.h"
#include "platform/CountingDialogs.h"
#include "platform/MemoryRegistry.h"
#include "platform/ProcessLauncher.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTiles = 2000;
constexpr std::uintmax_t kTileSize = 4u << 20;
constexpr std::uint64_t kTreHeaderAt = 0x200;
constexpr int kInstallTiles = 1000;
constexpr int kRuns = 5;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// The median of each step's times.
struct Times {
  std::vector<double> plain, journaled, undo;
  static double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  }
  void print(const char* what) const {
    const double without = median(plain), with = median(journaled);
    std::printf("%s: %.3f s without the journal, %.3f s with it (%.2f x); undo: %.3f s\n", what,
                without, with, with / without, median(undo));
  }
};

// Tile files with no XOR scrambling and one TRE header past the FAT.
PriorityMapset makeTiles(const fs::path& folder) {
  PriorityMapset mapset{TreForm::TileFile, folder.string(), {}};
  for (int tile = 0; tile < kTiles; ++tile) {
    const std::string name = "6324" + std::to_string(1000 + tile);
    const fs::path file = folder / (name + ".img");
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out.seekp(kTreHeaderAt + 2);
      out << kTreSignature;
    }
    fs::resize_file(file, kTileSize);
    mapset.tiles.push_back({name, {}, {file.string()}});
  }
  return mapset;
}

bool writeAll(const PriorityMapset& mapset, int value, JournalEntry* history = nullptr) {
  return writeDrawPriorities(mapset, static_cast<std::uint8_t>(value), history).written == kTiles;
}

// Each run in a home of its own, so that no run meets another's package.
Times timeInstalls(const fs::path& root, const std::vector<std::string>& samples) {
  const std::vector<std::string> tiles = bench::copiesOf(root / "install-tiles", samples,
                                                         kInstallTiles);
  const std::string programFolder = pathText(root / "program");  // empty: the built-in tools
  fs::create_directories(root / "program");
  const auto launcher = openSystemProcessLauncher();
  const RegistryCatalogue nothingRegistered;
  const GmapCatalogue noPackages;
  Times times;
  for (int run = 0; run < kRuns; ++run) {
    const std::string number = std::to_string(run);
    bench::QuietInstall plain(programFolder, root / ("plain" + number), *launcher,
                              builtin::BuiltinOperations::standard());
    auto start = Clock::now();
    const InstallResult bare = installWithoutHistory(plain.services, plain.session, plain.view,
                                                     plain.job(tiles, "Plain" + number));
    times.plain.push_back(seconds(start));
    bench::QuietInstall kept(programFolder, root / ("kept" + number), *launcher,
                             builtin::BuiltinOperations::standard());
    start = Clock::now();
    const InstallResult journaled =
        runNewInstallation(kept.services, kept.session, kept.view, kept.job(tiles, "Kept" + number),
                           {nothingRegistered, noPackages});
    times.journaled.push_back(seconds(start));
    if (bare.outcome != InstallOutcome::Packaged || journaled.outcome != InstallOutcome::Packaged)
      std::fprintf(stderr, "an installation did not make its package\n");
    const Journal journal(Journal::folderFor(kept.services.facts));
    start = Clock::now();
    const UndoPlan undone = carryOut(journal, kept.registry, kept.services.folders,
                                     planUndo(journal, kept.registry, {}));
    times.undo.push_back(seconds(start));
    if (undone.status != UndoStatus::Done) std::fprintf(stderr, "the undo did not run\n");
  }
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool temporary = args.size() < 2 || args[0] != "--folder";
  const fs::path root = temporary ? fs::temp_directory_path() / "journal_bench" : fs::path(args[1]);
  if (!temporary) args.erase(args.begin(), args.begin() + 2);
  if (args.empty()) {
    std::fprintf(stderr, "usage: journal_bench [--folder DIR] TILE.img [TILE.img ...]\n");
    return 2;
  }
  fs::create_directories(root / "tiles");
  const PriorityMapset mapset = makeTiles(root / "tiles");
  MemoryRegistry registry;
  CountingDialogs dialogs;
  const auto folders = openSystemFolderOps(dialogs);
  const Journal journal(root / "History");

  Times priority;
  for (int run = 0; run < kRuns; ++run) {
    auto start = Clock::now();
    if (!writeAll(mapset, 20 + run)) std::fprintf(stderr, "the tiles were not all written\n");
    priority.plain.push_back(seconds(start));
    start = Clock::now();
    runJournaled(journal, registry, *folders, "draw-priority", "Bench", [&](Recorded& r) {
      return writeAll(mapset, 30 + run, &r.entry);
    });
    priority.journaled.push_back(seconds(start));
    start = Clock::now();
    carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
    priority.undo.push_back(seconds(start));
  }
  std::uintmax_t entryBytes = 0;
  for (const JournalListing& entry : journal.entries())
    if (entry.manifest.header.action == "draw-priority") entryBytes = entry.bytes;
  priority.print(("draw priority of " + std::to_string(kTiles) + " tiles").c_str());
  std::printf("draw-priority entry: %ju bytes\n", entryBytes);
  timeInstalls(root, args).print(("install of " + std::to_string(kInstallTiles) + " tiles").c_str());
  if (temporary) fs::remove_all(root);
  return 0;
}
