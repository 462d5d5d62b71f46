// The change journal's cost on a draw-priority change of 2000 tiles of 4 MB:
// one byte patched in each tile's TRE header, once without and once with the
// journal (declared, patched, marked complete), in the same run; then the
// size of the entry and the time of its undo. Each step runs twice and the
// second run counts, so both meet the files in the system's cache.
//
// usage: journal_bench [FOLDER]   (a temporary folder by default; removed after)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
constexpr std::uint64_t kPriorityAt = 0x40 + 0x200;

class NoDialogs : public Dialogs {
 public:
  Answer message(const Message&) override { return Answer::Ok; }
  std::optional<std::string> chooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFile(const std::string&, const std::string&,
                                        const std::string&) override {
    return std::nullopt;
  }
};

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::vector<PatchRange> makeTiles(const fs::path& folder) {
  std::vector<PatchRange> ranges;
  for (int tile = 0; tile < kTiles; ++tile) {
    const fs::path file = folder / ("6324" + std::to_string(1000 + tile) + ".img");
    { std::ofstream out(file, std::ios::binary | std::ios::trunc); }
    fs::resize_file(file, kTileSize);
    ranges.push_back({file.string(), kPriorityAt, 1});
  }
  return ranges;
}

bool patchAll(const std::vector<PatchRange>& ranges, char value) {
  for (const PatchRange& range : ranges)
    if (patchFile(range.path, range.offset, std::string(1, value)) != FileStatus::Ok) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool temporary = argc < 2;
  const fs::path root = temporary ? fs::temp_directory_path() / "journal_bench" : fs::path(argv[1]);
  fs::create_directories(root / "tiles");
  const std::vector<PatchRange> ranges = makeTiles(root / "tiles");
  MemoryRegistry registry;
  NoDialogs dialogs;
  const auto folders = openSystemFolderOps(dialogs);
  const Journal journal(root / "History");

  double plain = 0, journaled = 0, undo = 0;
  for (int run = 0; run < 2; ++run) {
    auto start = Clock::now();
    patchAll(ranges, static_cast<char>(20 + run));
    plain = seconds(start);
    start = Clock::now();
    runJournaled(journal, registry, *folders, "draw-priority", "Bench", [&](Recorded& r) {
      return r.entry.keepPatches(ranges) && patchAll(ranges, static_cast<char>(30 + run));
    });
    journaled = seconds(start);
    start = Clock::now();
    carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
    undo = seconds(start);
  }
  std::uintmax_t entryBytes = 0;
  for (const JournalListing& entry : journal.entries())
    if (entry.manifest.header.action == "draw-priority") entryBytes = entry.bytes;
  std::printf("draw priority of %d tiles: %.3f s without the journal, %.3f s with it (%.2f x)\n",
              kTiles, plain, journaled, journaled / plain);
  std::printf("entry: %ju bytes; undo: %.3f s\n", entryBytes, undo);
  if (temporary) fs::remove_all(root);
  return 0;
}
