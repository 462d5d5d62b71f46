#pragma once
// A mapset as its index files describe it: family and product, names, and
// for each tile its number, bounds, description and subfiles.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/TreHeader.h"

namespace mapsetdesk {

struct TileSubfile {
  std::string fileName;  // e.g. "63240001.RGN"
  std::uint32_t size = 0;
};

struct MapTile {
  std::uint32_t mapNumber = 0;
  MapBounds bounds;
  std::string description;            // Windows-1252; may be empty
  std::vector<TileSubfile> subfiles;  // in container order
};

struct Mapset {
  std::uint16_t fid = 0;
  std::uint16_t pid = 1;
  std::string name;        // the series name, Windows-1252
  std::string familyName;  // Windows-1252
  std::uint16_t codePage = 1252;
  std::vector<MapTile> tiles;

  // The overview's map number: one below the lowest tile number (one above
  // the highest when that is 0).
  std::uint32_t overviewNumber() const;
  // Around every tile.
  MapBounds bounds() const;
};

}  // namespace mapsetdesk
