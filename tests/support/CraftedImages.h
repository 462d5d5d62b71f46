#pragma once
// Hostile device images, made from mkgmap's gmapsupp.img of two families
// (families/gmapsupp.img of the garmin_files fixture: tiles 63240001 and
// 63240002 of family 4711, 63250001 of family 4712) by patching its
// directory, its product list or a TRE header, as a damaged card or a
// crafted download would hold them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mapsetdesk::testing {

// The bytes of an IMG container with its directory at hand.
class ImageBytes {
 public:
  explicit ImageBytes(std::string bytes) : bytes_(std::move(bytes)) {}

  // The offset of the directory entry of name.type, part given; throws when
  // there is none (a test error).
  std::size_t entry(const std::string& name, const std::string& type, unsigned part = 0) const;
  std::size_t blockSize() const;
  std::size_t directoryEnd() const;
  std::uint32_t size(std::size_t entry) const { return u32(entry + 0x0C); }
  void setSize(std::size_t entry, std::uint32_t size) { setU32(entry + 0x0C, size); }
  std::uint16_t block(std::size_t entry, std::size_t index) const;
  void setBlock(std::size_t entry, std::size_t index, std::uint16_t block);
  void setName(std::size_t entry, const std::string& name);
  // Where the subfile's first byte lies in the file.
  std::size_t dataOf(const std::string& name, const std::string& type) const;

  std::uint16_t u16(std::size_t at) const;
  std::uint32_t u32(std::size_t at) const;
  void setU32(std::size_t at, std::uint32_t value);
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// What the reading of a crafted image must end in.
enum class CraftedFault {
  SharedBlock,         // the directory gives one block twice
  SizeBeyondBlocks,    // a subfile larger than its blocks
  RepeatedEntry,       // two subfiles of one name and type
  DamagedList,         // the product list is cut
  TileWithoutFamily,   // tile 63250001 is not in the product list
};

// The directory itself is damaged, so the image is refused as a file that
// reads as no IMG container before its product list is looked at.
inline bool damagesTheDirectory(CraftedFault fault) {
  return fault == CraftedFault::SharedBlock || fault == CraftedFault::SizeBeyondBlocks ||
         fault == CraftedFault::RepeatedEntry;
}

struct CraftedImage {
  std::string name;
  std::string bytes;
  CraftedFault fault;
};

// One image per way of damage, from the bytes of families/gmapsupp.img.
std::vector<CraftedImage> craftedImages(const std::string& gmapsupp);

}  // namespace mapsetdesk::testing
