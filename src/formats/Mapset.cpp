#include "formats/Mapset.h"

#include <algorithm>

namespace mapsetdesk {

std::uint32_t Mapset::overviewNumber() const {
  if (tiles.empty()) return 1;
  std::uint32_t lowest = tiles.front().mapNumber;
  std::uint32_t highest = lowest;
  for (const MapTile& tile : tiles) {
    lowest = std::min(lowest, tile.mapNumber);
    highest = std::max(highest, tile.mapNumber);
  }
  return lowest > 0 ? lowest - 1 : highest + 1;
}

MapBounds Mapset::bounds() const {
  if (tiles.empty()) return {};
  MapBounds all = tiles.front().bounds;
  for (const MapTile& tile : tiles) all = around(all, tile.bounds);
  return all;
}

}  // namespace mapsetdesk
