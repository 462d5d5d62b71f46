#include "support/CraftedImages.h"

#include <stdexcept>

namespace mapsetdesk::testing {
namespace {

constexpr std::size_t kSector = 512;
constexpr std::size_t kEntryBlocks = 0x20;
constexpr std::size_t kBlocksPerEntry = 240;
constexpr std::size_t kMapRecordNumber = 3 + 4;  // block head, PID and FID

std::string padded(const std::string& text, std::size_t width) {
  return (text + std::string(width, ' ')).substr(0, width);
}

// The offset of the map record of mapNumber in the product list at mps.
std::size_t mapRecordOf(const ImageBytes& image, std::size_t mps, std::uint32_t mapNumber) {
  const std::size_t end = mps + image.size(image.entry("MAKEGMAP", "MPS"));
  for (std::size_t at = mps; at + 3 <= end; at += 3 + image.u16(at + 1))
    if (image.bytes()[at] == 'L' && image.u32(at + kMapRecordNumber) == mapNumber) return at;
  throw std::logic_error("no map record of the tile");
}

CraftedImage crafted(const std::string& name, ImageBytes image, CraftedFault fault) {
  return {name, image.bytes(), fault};
}

}  // namespace

std::uint16_t ImageBytes::u16(std::size_t at) const {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_.at(at)) |
                                    static_cast<unsigned char>(bytes_.at(at + 1)) << 8);
}

std::uint32_t ImageBytes::u32(std::size_t at) const {
  return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
}

void ImageBytes::setU32(std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes_.at(at + i) = static_cast<char>(value >> (8 * i));
}

std::size_t ImageBytes::blockSize() const {
  return std::size_t{1} << (static_cast<unsigned char>(bytes_.at(0x61)) +
                            static_cast<unsigned char>(bytes_.at(0x62)));
}

std::size_t ImageBytes::directoryEnd() const {
  return u32(static_cast<unsigned char>(bytes_.at(0x40)) * kSector + 0x0C);
}

std::size_t ImageBytes::entry(const std::string& name, const std::string& type,
                              unsigned part) const {
  const std::size_t start = static_cast<unsigned char>(bytes_.at(0x40)) * kSector;
  for (std::size_t at = start; at + kSector <= directoryEnd(); at += kSector)
    if (bytes_[at] == 1 && bytes_.substr(at + 1, 8) == padded(name, 8) &&
        bytes_.substr(at + 9, 3) == padded(type, 3) && u16(at + 0x11) == part)
      return at;
  throw std::logic_error("no entry " + name + "." + type);
}

std::uint16_t ImageBytes::block(std::size_t entry, std::size_t index) const {
  return u16(entry + kEntryBlocks + 2 * index);
}

void ImageBytes::setBlock(std::size_t entry, std::size_t index, std::uint16_t block) {
  bytes_.at(entry + kEntryBlocks + 2 * index) = static_cast<char>(block);
  bytes_.at(entry + kEntryBlocks + 2 * index + 1) = static_cast<char>(block >> 8);
}

void ImageBytes::setName(std::size_t entry, const std::string& name) {
  bytes_.replace(entry + 1, 8, padded(name, 8));
}

std::size_t ImageBytes::dataOf(const std::string& name, const std::string& type) const {
  return block(entry(name, type), 0) * blockSize();
}

std::vector<CraftedImage> craftedImages(const std::string& gmapsupp) {
  std::vector<CraftedImage> images;
  {
    // A product list claiming 240 blocks, all of them its first one.
    ImageBytes image(gmapsupp);
    const std::size_t mps = image.entry("MAKEGMAP", "MPS");
    for (std::size_t i = 0; i < kBlocksPerEntry; ++i) image.setBlock(mps, i, image.block(mps, 0));
    image.setSize(mps, static_cast<std::uint32_t>(kBlocksPerEntry * image.blockSize()));
    images.push_back(crafted("repeated blocks", image, CraftedFault::SharedBlock));
  }
  {
    ImageBytes image(gmapsupp);
    image.setBlock(image.entry("63240001", "TRE"), 0,
                   image.block(image.entry("63240001", "RGN"), 0));
    images.push_back(crafted("overlapping blocks", image, CraftedFault::SharedBlock));
  }
  {
    ImageBytes image(gmapsupp);
    image.setBlock(image.entry("63240001", "LBL"), 0, 0);
    images.push_back(crafted("a block inside the directory", image, CraftedFault::SharedBlock));
  }
  {
    ImageBytes image(gmapsupp);
    image.setSize(image.entry("63240001", "RGN"), 0xFFFFFF00u);
    images.push_back(crafted("an absurd size", image, CraftedFault::SizeBeyondBlocks));
  }
  {
    ImageBytes image(gmapsupp);
    image.setName(image.entry("63250001", "TRE"), "63240001");
    images.push_back(crafted("a duplicate name", image, CraftedFault::RepeatedEntry));
  }
  {
    ImageBytes image(gmapsupp);
    const std::size_t mps = image.entry("MAKEGMAP", "MPS");
    image.setSize(mps, image.size(mps) - 1);
    images.push_back(crafted("a cut product list", image, CraftedFault::DamagedList));
  }
  {
    ImageBytes image(gmapsupp);
    const std::size_t record = mapRecordOf(image, image.dataOf("MAKEGMAP", "MPS"), 63250001);
    image.setU32(record + kMapRecordNumber, 63259999);
    images.push_back(crafted("a tile the product list leaves out", image,
                             CraftedFault::TileWithoutFamily));
  }
  return images;
}

}  // namespace mapsetdesk::testing
