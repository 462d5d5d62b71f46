// Writing a device image of about 1 GB from the tiles of one registration,
// against a plain copy of the same tile files into one file: the image must
// take at most 1.5 times the copy's time, with the process's peak memory
// under 64 MB.
//
// usage: device_bench [FOLDER]   (a temporary folder by default; removed after)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "formats/ImgContainer.h"
#include "formats/TdbTiles.h"
#include "formats/TdbWriter.h"
#include "platform/DurableWrite.h"
#include "platform/PeakMemory.h"
#include "transfer/DeviceImageWriter.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;

constexpr std::uint32_t kTiles = 256;
constexpr std::size_t kRgnBytes = 3 * 1024 * 1024;
constexpr std::size_t kLblBytes = 1024 * 1024;
constexpr std::uint32_t kFirstTile = 63240001;

// Bytes that neither compress nor stay sparse.
std::string filler(std::size_t size, std::uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& byte : bytes) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The tile files and their TDB, one tile in memory at a time.
CatalogueRow makeRegistration(const fs::path& folder) {
  Mapset mapset;
  mapset.fid = 4711;
  mapset.pid = 1;
  mapset.name = "Bench";
  mapset.familyName = "Bench";
  for (std::uint32_t tile = 0; tile < kTiles; ++tile) {
    const std::uint32_t number = kFirstTile + tile;
    const std::string name = tileName(number);
    ImgContainer image{"bench",
                       {{name, "TRE", filler(4096, number)},
                        {name, "RGN", filler(kRgnBytes, number + 1)},
                        {name, "LBL", filler(kLblBytes, number + 2)}}};
    writeFile(folder / (name + ".img"), writeImgContainer(image));
    const std::int32_t south = static_cast<std::int32_t>(tile) * 100;
    mapset.tiles.push_back({number, {south + 100, 1000, south, 0}, "Kachel", {}});
  }
  writeFile(folder / "bench.tdb", *writeTdb(mapset));
  CatalogueRow row;
  row.state = EntryState::Complete;
  row.cells.name = "Bench";
  row.entry.tdb = (folder / "bench.tdb").string();
  row.entry.tileFolder = folder.string() + "/";
  return row;
}

double seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The tile files one after the other into one file, synced as the image is.
double plainCopy(const fs::path& tiles, const fs::path& target) {
  const auto start = std::chrono::steady_clock::now();
  {
    std::ofstream out(target, std::ios::binary);
    std::vector<char> buffer(1 << 16);
    for (std::uint32_t tile = 0; tile < kTiles; ++tile) {
      std::ifstream in(tiles / (tileName(kFirstTile + tile) + ".img"), std::ios::binary);
      while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.write(buffer.data(), in.gcount());
      }
    }
  }
  syncFile(target);
  return seconds(start);
}

unsigned long long peakMegabytes() { return peakMemoryBytes() / (1024 * 1024); }

}  // namespace

int main(int argc, char** argv) {
  const bool own = argc < 2;
  const fs::path folder = own ? fs::temp_directory_path() / "device_bench" : fs::path(argv[1]);
  fs::create_directories(folder / "tiles");
  const CatalogueRow registration = makeRegistration(folder / "tiles");
  std::printf("tiles written, peak memory so far %llu MB\n", peakMegabytes());

  const double copy = plainCopy(folder / "tiles", folder / "copy.img");
  const auto start = std::chrono::steady_clock::now();
  const PlannedImage planned =
      planDeviceImageTo({readDeviceMapset(registration)}, (folder / "gmapsupp.img").string());
  if (!planned.plan) {
    std::printf("refused: %d %s\n", static_cast<int>(planned.refusal.kind),
                planned.refusal.subject.c_str());
    return 1;
  }
  const bool written = writeDeviceImage(*planned.plan, (folder / "gmapsupp.img").string(), {});
  const double image = seconds(start);
  const double copyAgain = plainCopy(folder / "tiles", folder / "copy.img");

  std::printf("image of %llu bytes (%s)\n", static_cast<unsigned long long>(planned.plan->size),
              written ? "written" : "FAILED");
  std::printf("plain copy            %7.3f s, again %7.3f s\n", copy, copyAgain);
  std::printf("device image          %7.3f s  (%.2f times the faster copy)\n", image,
              image / std::min(copy, copyAgain));
  std::printf("peak memory           %llu MB\n", peakMegabytes());
  if (own) fs::remove_all(folder);
  return written ? 0 : 1;
}
