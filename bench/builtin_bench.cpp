// The built-in gmt on big inputs.
//
//   builtin_bench tiles TILE WORK   300 tiles of 4 MB, copies of the real tile
//       TILE (an mkgmap tile file) with their own map numbers: unpacks them
//       all, writes the TDB of all, and copies the same files with a plain
//       stream copy; prints the times, their ratio, and how many bytes the
//       TDB step read (Linux: /proc/self/io) against the tiles' bytes.
//   builtin_bench image TILE WORK   writes WORK/device.img, a device image of
//       about 1 GB: 250 such tiles in two families, with a product list.
//   builtin_bench split WORK        splits WORK/device.img by family and then
//       the first family image into tiles; run it under /usr/bin/time -v to
//       see the peak memory.
// WORK is made when missing; the tile folders are removed after the run.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "builtin/BuiltinGmt.h"
#include "formats/FileBytes.h"
#include "formats/ImgContainer.h"
#include "formats/ImgWriter.h"
#include "formats/TdbTiles.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;

constexpr int kTiles = 300;
constexpr int kImageTiles = 250;
constexpr std::size_t kTileSize = 4u << 20;
constexpr std::uint32_t kFirstNumber = 70000000;
constexpr std::size_t kTreMapId = 0x74;

class QuietReport : public builtin::ToolReport {
 public:
  void line(const std::string& text) override {
    if (text.rfind("cannot", 0) == 0) std::fprintf(stderr, "%s\n", text.c_str());
  }
};

std::optional<ImgContainer> realTileAt(const fs::path& file) {
  auto tile = readImgContainer(readFileBytes(file.string()).bytes);
  if (!tile) std::fprintf(stderr, "no IMG file: %s\n", file.string().c_str());
  return tile;
}

// The real tile renamed to number, its TRE header saying so, its RGN grown
// so the whole tile is about kTileSize.
ImgContainer tileCopy(const ImgContainer& real, std::uint32_t number) {
  ImgContainer tile = real;
  for (ImgSubfile& subfile : tile.subfiles) {
    subfile.name = tileName(number);
    if (subfile.type == "TRE")
      for (int i = 0; i < 4; ++i)
        subfile.bytes[kTreMapId + i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    if (subfile.type == "RGN") {
      std::size_t at = subfile.bytes.size();
      subfile.bytes.resize(kTileSize - 8192);
      for (; at < subfile.bytes.size(); ++at)
        subfile.bytes[at] = static_cast<char>((at * 2654435761u) >> 24);
    }
  }
  return tile;
}

double seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::uint64_t bytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return 0;
}

void plainCopy(const fs::path& from, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  std::vector<char> buffer(1u << 20);
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
    out.write(buffer.data(), in.gcount());
}

int tiles(const fs::path& realTile, const fs::path& work) {
  const auto real = realTileAt(realTile);
  if (!real) return 1;
  const fs::path source = work / "tiles", unpacked = work / "unpacked", copied = work / "copied";
  fs::create_directories(source);
  fs::create_directories(copied);
  std::vector<fs::path> files;
  std::uintmax_t tileBytes = 0;
  for (int i = 0; i < kTiles; ++i) {
    const std::uint32_t number = kFirstNumber + static_cast<std::uint32_t>(i);
    files.push_back(source / (tileName(number) + ".img"));
    std::ofstream(files.back(), std::ios::binary) << writeImgContainer(tileCopy(*real, number));
    tileBytes += fs::file_size(files.back());
  }
  QuietReport report;
  const double unpack = seconds([&] {
    for (const fs::path& file : files)
      builtin::runGmt({"-g", "-o", (unpacked / file.stem()).string(), file.string()}, report);
  });
  const double copy = seconds([&] {
    for (const fs::path& file : files) plainCopy(file, copied / file.filename());
  });
  std::ofstream list(work / "list.txt", std::ios::binary);
  for (const fs::path& file : files) list << file.string() << "\r\n";
  list.close();
  const std::uint64_t before = bytesReadSoFar();
  const double tdb = seconds([&] {
    builtin::runGmt({"-S", "-f", "4321,1", "-m", "Bench", "-n", "Benchooo", "-o", work.string(),
                     "-c", "1252", "-@", (work / "list.txt").string()},
                    report);
  });
  const std::uint64_t read = bytesReadSoFar() - before;
  std::printf("tiles: %d of %.1f MB, %.0f MB in all\n", kTiles, tileBytes / 1048576.0 / kTiles,
              tileBytes / 1048576.0);
  std::printf("unpack all: %.2f s; plain copy: %.2f s; ratio %.2f (target <= 1.5)\n", unpack, copy,
              unpack / copy);
  std::printf("TDB of all: %.3f s, %llu bytes read = %.3f%% of the tiles (target < 1%%)\n", tdb,
              static_cast<unsigned long long>(read),
              100.0 * static_cast<double>(read) / static_cast<double>(tileBytes));
  for (const fs::path& folder : {source, unpacked, copied}) fs::remove_all(folder);
  return 0;
}

std::string productList(const std::vector<std::uint32_t>& numbers) {
  std::string mps;
  auto u16 = [&mps](std::uint32_t value) {
    mps += static_cast<char>(value & 0xFF);
    mps += static_cast<char>((value >> 8) & 0xFF);
  };
  for (const std::uint32_t number : numbers) {
    const std::string names = std::string("Bench\0", 6) + tileName(number) + '\0' + "Area" + '\0';
    mps += 'L';
    u16(static_cast<std::uint32_t>(8 + names.size()));
    u16(1);
    u16(number % 2 == 0 ? 4001 : 4002);
    u16(number & 0xFFFF);
    u16(number >> 16);
    mps += names;
  }
  return mps;
}

int image(const fs::path& realTile, const fs::path& work) {
  const auto real = realTileAt(realTile);
  if (!real) return 1;
  fs::create_directories(work);
  std::vector<std::uint32_t> numbers;
  std::vector<ImgPiece> pieces;
  for (int i = 0; i < kImageTiles; ++i)
    numbers.push_back(kFirstNumber + static_cast<std::uint32_t>(i));
  const std::string mps = productList(numbers);
  pieces.push_back({"MAKEGMAP", "MPS", static_cast<std::uint32_t>(mps.size()),
                    [&mps](std::ostream& out) { return static_cast<bool>(out << mps); }});
  for (const std::uint32_t number : numbers) {
    const ImgContainer tile = tileCopy(*real, number);
    for (const ImgSubfile& subfile : tile.subfiles)
      pieces.push_back({subfile.name, subfile.type,
                        static_cast<std::uint32_t>(subfile.bytes.size()),
                        [real = &*real, number, type = subfile.type](std::ostream& out) {
                          for (const ImgSubfile& made : tileCopy(*real, number).subfiles)
                            if (made.type == type) out << made.bytes;
                          return static_cast<bool>(out);
                        }});
  }
  std::ofstream out(work / "device.img", std::ios::binary | std::ios::trunc);
  const bool written = writeImg(out, "Bench device", pieces);
  out.close();
  std::printf("device.img: %.0f MB, %s\n", fs::file_size(work / "device.img") / 1048576.0,
              written ? "written" : "FAILED");
  return written ? 0 : 1;
}

int split(const fs::path& work) {
  QuietReport report;
  const fs::path families = work / "families", tiles = work / "family-tiles";
  const double byFamily = seconds([&] {
    builtin::runGmt({"-G", "-o", families.string(), (work / "device.img").string()}, report);
  });
  const double intoTiles = seconds([&] {
    builtin::runGmt({"-S", "-o", tiles.string(), (families / "device_4001.img").string()}, report);
  });
  std::printf("split by family: %.2f s; family image into tiles: %.2f s\n", byFamily, intoTiles);
  for (const fs::path& folder : {families, tiles}) fs::remove_all(folder);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "tiles" && argc == 4) return tiles(argv[2], argv[3]);
  if (mode == "image" && argc == 4) return image(argv[2], argv[3]);
  if (mode == "split" && argc == 3) return split(argv[2]);
  std::fprintf(stderr, "usage: builtin_bench tiles TILE WORK | image TILE WORK | split WORK\n");
  return 2;
}
