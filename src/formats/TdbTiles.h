#pragma once
// The tile blocks of a TDB: which tiles a mapset has and how they are named.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/TdbLayout.h"

namespace mapsetdesk {

// Offsets in a tile block's payload.
inline constexpr std::size_t kTdbTileMapNumber = 0;     // u32 LE
inline constexpr std::size_t kTdbTileDescription = 24;  // zero-terminated, Windows-1252

struct TdbTile {
  std::uint32_t mapNumber = 0;
  std::string description;  // up to the first zero or the end of the block
};

// Every tile block in file order; damage tells why the walk stopped early
// (the tiles found before the damage are kept).
struct TdbTiles {
  std::vector<TdbTile> tiles;
  TdbDamage damage = TdbDamage::None;
};

TdbTiles readTdbTiles(std::string_view file);

// The map number in decimal, zero-padded to eight digits and never cut (a
// number above 99999999 keeps all its digits): the name of a tile
// file (plus ".img") and of a tile folder in a gmap package.
std::string tileName(std::uint32_t mapNumber);

}  // namespace mapsetdesk
