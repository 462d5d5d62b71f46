#include "formats/TdbTiles.h"

#include <algorithm>

#include "formats/ByteReader.h"

namespace mapsetdesk {
namespace {

TdbTile tileOf(std::string_view payload) {
  TdbTile tile;
  tile.mapNumber = ByteReader(payload, kTdbTileMapNumber).u32();
  if (payload.size() > kTdbTileDescription) {
    const std::string_view text = payload.substr(kTdbTileDescription);
    tile.description = std::string(text.substr(0, text.find('\0')));
  }
  return tile;
}

}  // namespace

TdbTiles readTdbTiles(std::string_view file) {
  const TdbLayout layout = walkTdbBlocks(file);
  TdbTiles result;
  for (const TdbBlock& block : layout.blocks) {
    if (block.id != kTdbTileBlock) continue;
    if (block.payloadLength < kTdbTileMapNumber + 4) {
      result.damage = TdbDamage::TileBlockTooShort;
      return result;
    }
    result.tiles.push_back(tileOf(file.substr(block.payload(), block.payloadLength)));
  }
  result.damage = layout.damage;
  return result;
}

std::string tileName(std::uint32_t mapNumber) {
  const std::string digits = std::to_string(mapNumber);
  return std::string(8 - std::min<std::size_t>(digits.size(), 8), '0') + digits;
}

}  // namespace mapsetdesk
