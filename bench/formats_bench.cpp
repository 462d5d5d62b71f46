// Reading the draw priority of 200 tiles of 8 MB each, whose TRE header lies
// in the first 64 KB: the chunked search that stops at the first match against
// reading every file whole and searching it. Both must find the same byte.
//
// usage: formats_bench [FOLDER]   (a temporary folder by default; removed after)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "formats/FileBytes.h"
#include "formats/TreDrawPriority.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;

constexpr int kTiles = 200;
constexpr std::uintmax_t kTileSize = 8u << 20;
constexpr std::size_t kHeaderWithin = 64u << 10;

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

template <typename Read>
double secondsFor(const std::vector<std::string>& tiles, std::vector<int>& found, Read read) {
  const auto start = std::chrono::steady_clock::now();
  found.clear();
  for (const std::string& tile : tiles) found.push_back(read(tile));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int chunked(const std::string& tile) {
  const TreRead read = readDrawPriority(tile, TreForm::TileFile);
  return read.priority ? *read.priority : -1;
}

int wholeFile(const std::string& tile) {
  const FileContent content = readFileBytes(tile);
  if (content.status != FileStatus::Ok || content.bytes.empty()) return -1;
  const auto xorByte = static_cast<std::uint8_t>(content.bytes[0]);
  const auto offset = findDrawPriority(content.bytes, xorByte);
  return offset ? static_cast<std::uint8_t>(content.bytes[*offset] ^ xorByte) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder =
      argc > 1 ? fs::path(argv[1])
               : fs::temp_directory_path() /
                     ("mapsetdesk-bench-" +
                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(folder);
  std::mt19937 random(20240601);
  std::vector<std::string> tiles;
  std::vector<int> expected;
  for (int i = 0; i < kTiles; ++i) {
    const fs::path tile = folder / (std::to_string(63240000 + i) + ".img");
    const std::size_t headerAt = random() % (kHeaderWithin - 0x41);
    const auto priority = static_cast<std::uint8_t>(random() % 32);
    if (!makeTile(tile, headerAt, priority)) {
      std::fprintf(stderr, "cannot write %s\n", tile.string().c_str());
      fs::remove_all(folder);
      return 1;
    }
    tiles.push_back(tile.string());
    expected.push_back(priority);
  }

  std::vector<int> byChunks;
  std::vector<int> byWholeFile;
  const double chunkedSeconds = secondsFor(tiles, byChunks, chunked);
  const double wholeSeconds = secondsFor(tiles, byWholeFile, wholeFile);
  fs::remove_all(folder);

  std::printf("%d tiles of %ju MB, TRE header within the first %zu KB\n", kTiles,
              kTileSize >> 20, kHeaderWithin >> 10);
  std::printf("chunked search:    %8.3f s  (%.3f ms per tile)\n", chunkedSeconds,
              chunkedSeconds * 1000 / kTiles);
  std::printf("whole-file search: %8.3f s  (%.3f ms per tile)\n", wholeSeconds,
              wholeSeconds * 1000 / kTiles);
  std::printf("speed-up: %.1fx\n", wholeSeconds / chunkedSeconds);
  if (byChunks != expected || byWholeFile != expected) {
    std::fprintf(stderr, "the two searches disagree or miss the written priority\n");
    return 1;
  }
  return 0;
}
