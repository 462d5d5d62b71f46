#pragma once
// The block structure of a TDB file, the mapset index that MapSource and
// BaseCamp read: blocks of an identifier byte, a u16 LE payload length and the
// payload, one after the other from offset 0. Blocks the system does not know
// are carried through unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mapsetdesk {

inline constexpr std::uint8_t kTdbHeaderBlock = 0x50;    // first block: IDs, version, name
inline constexpr std::uint8_t kTdbOverviewBlock = 0x42;  // overview map, holds a description
inline constexpr std::uint8_t kTdbTileBlock = 0x4C;      // one per tile
inline constexpr std::uint8_t kTdbTextBlock = 0x52;      // a text that may repeat the name
inline constexpr std::uint8_t kTdbChecksumBlock = 0x54;  // CRC-32 of everything before it

inline constexpr std::size_t kTdbBlockHead = 3;           // identifier + length
inline constexpr std::size_t kTdbMaxPayload = 0xFFFF;

enum class TdbDamage {
  None,
  TooShort,               // shorter than any TDB the system can handle
  TruncatedBlockHead,     // fewer than 3 bytes left for a block's identifier and length
  BlockPastEnd,           // a block's length runs past the end of the file
  NoHeaderBlock,          // the first block is not the header block
  HeaderTooShort,         // header block payload shorter than 9 bytes
  NameUnterminated,       // no zero after the name inside the header block
  NameTooLong,            // the name ends more than 255 bytes into the header block
  NameHasZero,            // a new name with a zero byte, which would end it early
  ChecksumBlockTooShort,  // the checksum block cannot hold the CRC bytes
  TileBlockTooShort,      // a tile block without a full map number
  BlockTooLong,           // a rewritten block would not fit its 16-bit length
};

// English, for logs, messages and the command-line front end.
const char* describe(TdbDamage damage);

struct TdbBlock {
  std::uint8_t id = 0;
  std::size_t offset = 0;  // of the identifier byte
  std::size_t payloadLength = 0;

  std::size_t payload() const { return offset + kTdbBlockHead; }
  std::size_t end() const { return payload() + payloadLength; }
};

// The blocks that lie whole inside the file, in file order; damage tells why
// the walk stopped before the end of the file, at damageOffset.
struct TdbLayout {
  std::vector<TdbBlock> blocks;
  TdbDamage damage = TdbDamage::None;
  std::size_t damageOffset = 0;
};

TdbLayout walkTdbBlocks(std::string_view file);

}  // namespace mapsetdesk
