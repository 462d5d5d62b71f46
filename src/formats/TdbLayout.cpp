#include "formats/TdbLayout.h"

#include "formats/ByteReader.h"

namespace mapsetdesk {

const char* describe(TdbDamage damage) {
  switch (damage) {
    case TdbDamage::None: return "no damage";
    case TdbDamage::TooShort: return "file is too short for a TDB";
    case TdbDamage::TruncatedBlockHead: return "file ends inside a block head";
    case TdbDamage::BlockPastEnd: return "a block runs past the end of the file";
    case TdbDamage::NoHeaderBlock: return "file does not start with a header block";
    case TdbDamage::HeaderTooShort: return "header block is shorter than 9 bytes";
    case TdbDamage::NameUnterminated: return "mapset name has no terminating zero";
    case TdbDamage::NameTooLong: return "mapset name is longer than 255 bytes";
    case TdbDamage::NameHasZero: return "mapset name contains a zero byte";
    case TdbDamage::ChecksumBlockTooShort: return "checksum block is too short";
    case TdbDamage::TileBlockTooShort: return "tile block is too short";
    case TdbDamage::BlockTooLong: return "block would exceed 65535 bytes";
  }
  return "unknown damage";
}

TdbLayout walkTdbBlocks(std::string_view file) {
  TdbLayout layout;
  ByteReader reader(file);
  while (reader.remaining() > 0) {
    TdbBlock block;
    block.offset = reader.offset();
    block.id = reader.u8();
    block.payloadLength = reader.u16();
    if (!reader.ok()) {
      layout.damage = TdbDamage::TruncatedBlockHead;
      layout.damageOffset = block.offset;
      return layout;
    }
    reader.skip(block.payloadLength);
    if (!reader.ok()) {
      layout.damage = TdbDamage::BlockPastEnd;
      layout.damageOffset = block.offset;
      return layout;
    }
    layout.blocks.push_back(block);
  }
  return layout;
}

}  // namespace mapsetdesk
