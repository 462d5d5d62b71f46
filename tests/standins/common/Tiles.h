#pragma once
// What a map tile's TRE header says about it: its number and its bounds.
// A tile is a group of subfiles of one name (TRE, RGN, LBL, ...), alone in a
// tile file or among others in a device image.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/ImgContainer.h"

namespace mapsetdesk::standin {

// In map units: 2^24 to the full circle, as IMG and TDB files keep them.
struct Bounds {
  std::int32_t north = 0;
  std::int32_t east = 0;
  std::int32_t south = 0;
  std::int32_t west = 0;
};

Bounds around(const Bounds& a, const Bounds& b);
double degrees(std::int32_t mapUnits);
std::int32_t mapUnits(double degrees);

struct Tile {
  std::uint32_t mapNumber = 0;
  Bounds bounds;
  std::string description;
  std::vector<ImgSubfile> subfiles;  // in container order

  std::size_t sizeOf(const std::string& type) const;
};

// The tiles of a container, in the order of their first subfile. A group
// without a TRE subfile (MDR, SRT, TYP, MPS) is no tile.
std::vector<Tile> tilesOf(const ImgContainer& container);

// The TRE header's facts; nullopt when the bytes hold no TRE header. The
// number comes from the header's map ID when the header has one, else from
// the subfile's name.
std::optional<Tile> treFacts(const ImgSubfile& tre);

// A TRE header of the given bounds and map number: what an overview needs.
std::string treHeader(std::uint32_t mapNumber, const Bounds& bounds);

}  // namespace mapsetdesk::standin
