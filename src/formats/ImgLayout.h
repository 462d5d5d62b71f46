#pragma once
// Where things lie in an IMG container, and the layout of one to write: the
// header and directory for subfiles of known sizes, each subfile then
// following in whole blocks in the order listed. Writing the head first lets
// a big container be written subfile by subfile.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ImgDirectory.h"

namespace mapsetdesk {
namespace img {

// Header offsets.
inline constexpr std::size_t kSignature = 0x10;  // "DSKIMG\0"
inline constexpr std::string_view kDskimg{"DSKIMG\0", 7};
inline constexpr std::size_t kDirectoryStart = 0x40;  // u8, in sectors
inline constexpr std::size_t kDescription = 0x49;
inline constexpr std::size_t kDescriptionLength = 20;
inline constexpr std::size_t kBlockExponent1 = 0x61;
inline constexpr std::size_t kBlockExponent2 = 0x62;
inline constexpr std::size_t kDescriptionMore = 0x65;
inline constexpr std::size_t kDescriptionMoreLength = 30;

// Directory entries, one sector each whatever the block size.
inline constexpr std::size_t kEntrySize = kImgSectorSize;
inline constexpr std::size_t kEntrySize32 = 0x0C;
inline constexpr std::size_t kEntryBlocks = 0x20;  // u16 block numbers
inline constexpr std::size_t kBlocksPerEntry = 240;
inline constexpr std::uint32_t kUnusedBlock = 0xFFFF;
inline constexpr std::uint8_t kHeaderEntryFlag = 3;  // the entry of header and directory

}  // namespace img

struct ImgLayout {
  std::size_t blockSize = kImgSectorSize;
  std::string head;               // header and directory, whole blocks
  std::vector<ImgEntry> entries;  // with their blocks
};

// The smallest block size with which every block number fits the directory.
// Each entry's bytes go into blocks of their own right after the head, in
// the order given.
ImgLayout layOutImg(std::string_view description, std::vector<ImgEntry> entries);

// The zeros that fill a subfile of size bytes up to whole blocks.
std::size_t imgPadding(std::uint64_t size, std::size_t blockSize);

}  // namespace mapsetdesk
