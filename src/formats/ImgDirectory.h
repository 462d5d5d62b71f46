#pragma once
// The directory of an IMG container: a 512-byte header, then 512-byte
// entries that list each subfile's blocks (a subfile of more blocks than one
// entry holds continues in further entries, its parts), then the blocks.
// Every byte of the file may be XORed with the first one. The directory is
// read from the start of the file alone, so a big image never has to be held
// whole.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk {

inline constexpr std::size_t kImgSectorSize = 512;

struct ImgEntry {
  std::string name;  // up to eight characters, e.g. "63240001"
  std::string type;  // three characters, e.g. "TRE"
  std::uint32_t size = 0;
  std::vector<std::uint32_t> blocks;  // block numbers, all parts in order

  std::string fileName() const { return name + "." + type; }
};

struct ImgDirectory {
  std::uint8_t xorByte = 0;
  std::size_t blockSize = kImgSectorSize;
  std::string description;        // the map description of the header
  std::vector<ImgEntry> entries;  // in directory order, header entry left out
};

// How many bytes of the file's start hold its header and directory, judged
// from the bytes at hand (as stored, XORed or not): the first sector tells
// where the directory starts, the directory's first entry where it ends.
// Read that many and ask again until the answer stays. nullopt when the
// first sector is no IMG header.
std::optional<std::size_t> imgDirectoryEnd(std::string_view head);

// Why a directory is refused. A crafted directory can make a small file
// claim gigabytes (a block listed again and again, or shared by subfiles),
// or splice two subfiles of one name; each subfile must own its blocks.
enum class ImgDirectoryFault {
  None,
  NotImg,
  PastEnd,           // a block or the directory lies beyond the file's end
  BlockReused,       // a block listed twice, by one subfile or by two, or inside the directory
  SizeBeyondBlocks,  // a subfile larger than its blocks hold
  RepeatedEntry,     // two entries give the same part of one name and type
};

// The directory from the file's first bytes (as stored, at least up to
// imgDirectoryEnd). nullopt when they hold no IMG container or when its
// directory is refused; fault, when given, says why.
std::optional<ImgDirectory> readImgDirectory(std::string_view head, std::uint64_t fileSize,
                                             ImgDirectoryFault* fault = nullptr);

// The bytes as stored from the plain bytes (or back): XORing is its own
// inverse.
void unscramble(std::string& bytes, std::uint8_t xorByte);

}  // namespace mapsetdesk
