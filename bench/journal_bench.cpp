// The change journal's cost on a draw-priority change of 2000 tiles of 4 MB:
// the flow of the window and the command line (each tile's TRE header found,
// its byte written), once on its own and once inside the journal (the bytes
// located and kept, written, the entry marked complete), in the same run; then the
// size of the entry and the time of its undo. Each step runs twice and the
// second run counts, so both meet the files in the system's cache.
// The install half: 1000 tiles of 64 KB copied into a new package folder
// and the mapset's key written, without and with the journal (the folder
// and the key declared, the state of the folder kept at the end), then the
// undo, which moves the package into the undo's own entry.
//
// usage: journal_bench [FOLDER]   (a temporary folder by default; removed after)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SilentDialogs.h"
#include "edit/DrawPriority.h"
#include "formats/FileBytes.h"
#include "history/JournaledAction.h"
#include "history/Undo.h"
#include "platform/MemoryRegistry.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTiles = 2000;
constexpr std::uintmax_t kTileSize = 4u << 20;
constexpr std::uint64_t kTreHeaderAt = 0x200;
constexpr int kInstallTiles = 1000;
constexpr std::uintmax_t kInstallTileSize = 64u << 10;
constexpr char kFamilyKey[] = "SOFTWARE\\Garmin\\MapSource\\Families\\Bench4711";

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

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

std::vector<fs::path> makeInstallTiles(const fs::path& folder) {
  fs::create_directories(folder);
  std::vector<fs::path> tiles;
  for (int tile = 0; tile < kInstallTiles; ++tile) {
    tiles.push_back(folder / ("7" + std::to_string(1000000 + tile) + ".img"));
    std::ofstream(tiles.back(), std::ios::binary) << std::string(kInstallTileSize, 'x');
  }
  return tiles;
}

bool install(Registry& registry, const std::vector<fs::path>& tiles, const fs::path& package) {
  std::error_code error;
  fs::create_directories(package / "Product1", error);
  for (const fs::path& tile : tiles)
    if (!fs::copy_file(tile, package / "Product1" / tile.filename(), error)) return false;
  return registry.setValue(Root::LocalMachine, kFamilyKey, {"ID", kRegBinary, "\x67\x12"});
}

}  // namespace

int main(int argc, char** argv) {
  const bool temporary = argc < 2;
  const fs::path root = temporary ? fs::temp_directory_path() / "journal_bench" : fs::path(argv[1]);
  fs::create_directories(root / "tiles");
  const PriorityMapset mapset = makeTiles(root / "tiles");
  MemoryRegistry registry;
  bench::SilentDialogs dialogs;
  const auto folders = openSystemFolderOps(dialogs);
  const Journal journal(root / "History");

  double plain = 0, journaled = 0, undo = 0;
  for (int run = 0; run < 2; ++run) {
    auto start = Clock::now();
    if (!writeAll(mapset, 20 + run)) std::fprintf(stderr, "the tiles were not all written\n");
    plain = seconds(start);
    start = Clock::now();
    runJournaled(journal, registry, *folders, "draw-priority", "Bench", [&](Recorded& r) {
      return writeAll(mapset, 30 + run, &r.entry);
    });
    journaled = seconds(start);
    start = Clock::now();
    carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
    undo = seconds(start);
  }
  const std::vector<fs::path> tiles = makeInstallTiles(root / "install-tiles");
  double installPlain = 0, installJournaled = 0, installUndo = 0;
  for (int run = 0; run < 2; ++run) {
    const fs::path package = root / "Maps" / ("Bench" + std::to_string(run) + ".gmap");
    auto start = Clock::now();
    install(registry, tiles, package);
    installPlain = seconds(start);
    fs::remove_all(package);
    registry.deleteKey(Root::LocalMachine, kFamilyKey);
    start = Clock::now();
    runJournaled(journal, registry, *folders, "install", "Bench", [&](Recorded& r) {
      return r.entry.keepNewFolder(package.string()) && install(r.registry, tiles, package);
    });
    installJournaled = seconds(start);
    start = Clock::now();
    carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
    installUndo = seconds(start);
  }
  std::printf("install of %d tiles: %.3f s without the journal, %.3f s with it (%.2f x); "
              "undo: %.3f s\n",
              kInstallTiles, installPlain, installJournaled, installJournaled / installPlain,
              installUndo);

  std::uintmax_t entryBytes = 0;
  for (const JournalListing& entry : journal.entries())
    if (entry.manifest.header.action == "draw-priority") entryBytes = entry.bytes;
  std::printf("draw priority of %d tiles: %.3f s without the journal, %.3f s with it (%.2f x)\n",
              kTiles, plain, journaled, journaled / plain);
  std::printf("entry: %ju bytes; undo: %.3f s\n", entryBytes, undo);
  if (temporary) fs::remove_all(root);
  return 0;
}
