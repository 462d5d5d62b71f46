// The draw priority of a mapset of 2000 tiles of 4 MB, whose TRE headers lie
// in the first 64 KB of each tile: the listing from the TDB with every
// tile's value read, then the change of every tile, against reading each
// tile whole in the same run. Bytes read per tile as the system counts them
// (Linux: /proc/self/io). Each step runs twice: the first run meets the
// files as the system holds them after writing, the second finds them in its
// cache; the speed-up compares second runs.
//
// usage: edit_bench [FOLDER]   (a temporary folder by default; removed after)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "edit/DrawPriority.h"
#include "formats/FileBytes.h"
#include "formats/TdbWriter.h"
#include "formats/TreDrawPriority.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTiles = 2000;
constexpr std::uintmax_t kTileSize = 4u << 20;
constexpr std::size_t kHeaderWithin = 64u << 10;
constexpr std::uint32_t kFirstTile = 63240000;
constexpr std::uint8_t kNewPriority = 17;

// A sparse tile: zeros, with a TRE header (signature at 2, priority at 0x40).
bool makeTile(const fs::path& file, std::size_t headerAt, std::uint8_t priority) {
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
  }
  std::error_code error;
  fs::resize_file(file, kTileSize, error);
  if (error) return false;
  std::string header(0x41, '\0');
  header.replace(2, kTreSignature.size(), kTreSignature);
  header[0x40] = static_cast<char>(priority);
  std::fstream io(file, std::ios::binary | std::ios::in | std::ios::out);
  io.seekp(static_cast<std::streamoff>(headerAt));
  io.write(header.data(), static_cast<std::streamsize>(header.size()));
  return static_cast<bool>(io);
}

bool makeMapset(const fs::path& folder) {
  Mapset mapset;
  mapset.fid = 4711;
  mapset.name = "Bench";
  mapset.familyName = "Bench";
  std::mt19937 random(20261207);
  for (int i = 0; i < kTiles; ++i) {
    const auto number = static_cast<std::uint32_t>(kFirstTile + 1 + i);
    mapset.tiles.push_back({number, {}, "Kachel " + std::to_string(i), {}});
    const std::size_t headerAt = random() % (kHeaderWithin - 0x41);
    const auto priority = static_cast<std::uint8_t>(random() % 32);
    if (!makeTile(folder / (std::to_string(number) + ".img"), headerAt, priority)) return false;
  }
  std::ofstream tdb(folder / "bench.tdb", std::ios::binary);
  tdb << writeTdb(mapset).value();
  return static_cast<bool>(tdb);
}

// Bytes this process has read through system calls so far; 0 where unknown.
std::uint64_t bytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string name;
  std::uint64_t value = 0;
  while (io >> name >> value)
    if (name == "rchar:") return value;
  return 0;
}

struct Measured {
  double seconds = 0;
  std::uint64_t bytes = 0;
};

template <typename Work>
Measured measure(Work work) {
  const std::uint64_t bytesBefore = bytesReadSoFar();
  const auto start = Clock::now();
  work();
  return {std::chrono::duration<double>(Clock::now() - start).count(),
          bytesReadSoFar() - bytesBefore};
}

int readValues(const PriorityMapset& mapset, std::uint8_t expected) {
  int matching = 0;
  for (const PriorityTile& tile : mapset.tiles)
    for (const TileReading& reading : readTilePriorities(tile, mapset.form))
      matching += reading.state == TileState::Read && reading.priority == expected;
  return matching;
}

void print(const char* what, const Measured& measured) {
  std::printf("%-28s %8.3f s  %8.3f ms per tile  %10.0f bytes read per tile\n", what,
              measured.seconds, measured.seconds * 1000 / kTiles,
              static_cast<double>(measured.bytes) / kTiles);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder =
      argc > 1 ? fs::path(argv[1])
               : fs::temp_directory_path() /
                     ("mapsetdesk-edit-bench-" +
                      std::to_string(Clock::now().time_since_epoch().count()));
  fs::create_directories(folder);
  if (!makeMapset(folder)) {
    std::fprintf(stderr, "cannot write the mapset into %s\n", folder.string().c_str());
    fs::remove_all(folder);
    return 1;
  }
  const std::string tileFolder = folder.string();

  PriorityMapset mapset;
  PriorityWrite written;
  std::size_t wholeBytes = 0;
  Measured listed[2];
  Measured changed[2];
  Measured whole[2];
  for (int run = 0; run < 2; ++run) {
    listed[run] = measure([&] {
      mapset = registeredTiles(readFileBytes((folder / "bench.tdb").string()).bytes, tileFolder);
      for (const PriorityTile& tile : mapset.tiles) readTilePriorities(tile, mapset.form);
    });
    changed[run] = measure([&] { written = writeDrawPriorities(mapset, kNewPriority); });
    wholeBytes = 0;
    whole[run] = measure([&] {
      for (const PriorityTile& tile : mapset.tiles)
        wholeBytes += readFileBytes(tile.files[0]).bytes.size();
    });
  }
  const int matching = readValues(mapset, kNewPriority);
  fs::remove_all(folder);

  std::printf("%d tiles of %ju MB, TRE header within the first %zu KB\n", kTiles,
              kTileSize >> 20, kHeaderWithin >> 10);
  for (int run = 0; run < 2; ++run) {
    std::printf("run %d\n", run + 1);
    print("  list + read:", listed[run]);
    print("  change:", changed[run]);
    print("  each tile read whole:", whole[run]);
  }
  std::printf("speed-up of the second run: list + read %.1fx, change %.1fx\n",
              whole[1].seconds / listed[1].seconds, whole[1].seconds / changed[1].seconds);
  if (static_cast<int>(mapset.tiles.size()) != kTiles || written.written != kTiles ||
      matching != kTiles || wholeBytes != kTiles * kTileSize) {
    std::fprintf(stderr, "listed %zu, written %d, reading the new value %d of %d tiles\n",
                 mapset.tiles.size(), written.written, matching, kTiles);
    return 1;
  }
  return 0;
}
