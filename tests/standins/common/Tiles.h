#pragma once
// What a map tile's TRE header says about it: its number and its bounds.
// A tile is a group of subfiles of one name (TRE, RGN, LBL, ...), alone in a
// tile file or among others in a device image.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/ImgContainer.h"
#include "formats/Mapset.h"
#include "formats/TreHeader.h"

namespace mapsetdesk::standin {

std::int32_t mapUnits(double degrees);

struct Tile {
  std::uint32_t mapNumber = 0;
  MapBounds bounds;
  std::string description;
  std::vector<ImgSubfile> subfiles;  // in container order

  // As the mapset's index files list it.
  MapTile indexEntry() const;
};

// The tiles of a container, in the order of their first subfile. A group
// without a TRE subfile (MDR, SRT, TYP, MPS) is no tile.
std::vector<Tile> tilesOf(const ImgContainer& container);

// A TRE header of the given bounds and map number: what an overview needs.
std::string treHeader(std::uint32_t mapNumber, const MapBounds& bounds);

}  // namespace mapsetdesk::standin
