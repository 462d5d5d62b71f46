// Reading a device image of many tiles and a long product list, as the
// splits and the device-image check do: 30 000 tiles (one TRE subfile each)
// and a product list of 200 000 records in 50 000 families. Every step must
// take time in proportion to the image, not to tiles times subfiles or
// families times records.
//
// usage: device_image_bench [FOLDER]   (a temporary folder by default; removed after)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "builtin/DeviceImageCheck.h"
#include "builtin/ImageContents.h"
#include "formats/ImgContainer.h"
#include "formats/TdbTiles.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;

constexpr std::uint32_t kTiles = 30000;
constexpr std::uint32_t kRecords = 200000;
constexpr std::uint32_t kFamilies = 50000;
constexpr std::uint32_t kFirstTile = 10000000;

// A TRE header of 0x78 bytes holding the map number.
std::string treHeader(std::uint32_t mapNumber) {
  std::string header(0x78, '\0');
  header[0] = 0x78;
  header.replace(2, 10, "GARMIN TRE");
  for (int i = 0; i < 4; ++i) header[0x74 + i] = static_cast<char>(mapNumber >> (8 * i));
  return header;
}

std::string mapRecord(std::uint16_t fid, std::uint32_t mapNumber) {
  std::string record("L\x0B\x00\x01\x00", 5);
  record += static_cast<char>(fid);
  record += static_cast<char>(fid >> 8);
  for (int i = 0; i < 4; ++i) record += static_cast<char>(mapNumber >> (8 * i));
  return record + std::string(3, '\0');
}

std::string makeImage() {
  ImgContainer image{"bench", {}};
  for (std::uint32_t tile = 0; tile < kTiles; ++tile)
    image.subfiles.push_back({tileName(kFirstTile + tile), "TRE", treHeader(kFirstTile + tile)});
  std::string mps;
  for (std::uint32_t record = 0; record < kRecords; ++record)
    mps += mapRecord(static_cast<std::uint16_t>(1 + record % kFamilies), kFirstTile + record);
  image.subfiles.push_back({"MAKEGMAP", "MPS", mps});
  return writeImgContainer(image);
}

template <typename Step>
void timed(const char* what, Step step) {
  const auto start = std::chrono::steady_clock::now();
  const std::size_t count = step();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-40s %8zu  %7.3f s\n", what, count, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const bool own = argc < 2;
  const fs::path folder = own ? fs::temp_directory_path() / "device_image_bench" : fs::path(argv[1]);
  fs::create_directories(folder);
  const fs::path path = folder / "gmapsupp.img";
  {
    const std::string bytes = makeImage();
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ImgFile image = ImgFile::open(path.string());
  if (image.problem() != ImgFileProblem::None) {
    std::printf("the bench image cannot be read: %s\n", describe(image.problem()));
    return 1;
  }
  std::vector<builtin::ImageTile> tiles;
  ProductList products;
  timed("tiles read", [&] { return (tiles = builtin::readImageTiles(image)).size(); });
  timed("product records read", [&] { return (products = builtin::readImageProducts(image)).maps.size(); });
  timed("families listed", [&] { return products.families().size(); });
  timed("records split by family", [&] { return products.byFamily().size(); });
  timed("tiles without family", [&] { return builtin::tilesWithoutFamily(tiles, products).size(); });
  timed("device image checked", [&] {
    return static_cast<std::size_t>(builtin::checkDeviceImage(path.string()).verdict);
  });
  if (own) fs::remove_all(folder);
  return 0;
}
