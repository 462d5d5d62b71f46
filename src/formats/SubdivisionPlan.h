#pragma once
// How the shapes of a map are spread over the subdivisions of its levels: a
// tree whose top level covers the map, each subdivision's children cover the
// shapes below it, and no subdivision holds more shapes, more record bytes or
// a wider area than its 16-bit fields can address.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/OverviewMap.h"

namespace mapsetdesk {

// A shape ready for the levels: its points with longitudes unwrapped (a
// shape crossing the antimeridian runs on past 180 degrees) and its box.
struct PreparedShape {
  const MapShape* source = nullptr;
  std::vector<MapPoint> points;
  MapPoint low, high;  // south-west and north-east corners
  std::vector<std::size_t> recordBytes;  // per level; 0 where the shape is not shown
  bool shownAt(int level) const { return level >= source->firstLevel && level <= source->lastLevel; }
};

PreparedShape prepareShape(const MapShape& shape, std::size_t levelCount);

struct Subdivision {
  int level = 0;
  MapPoint centre;                       // a multiple of the level's unit
  std::uint32_t halfWidth = 0, halfHeight = 0;  // in units of the level
  std::vector<std::size_t> shapes;       // the prepared shapes it shows
  std::uint32_t firstChild = 0;          // 1-based number of its first child; 0: none
  bool lastOfParent = false;
};

struct SubdivisionLimits {
  std::size_t shapes = 250;
  std::size_t bytes = 0xFFF0;
  std::uint32_t half = 0x7FFF;
};

struct SubdivisionPlan {
  std::vector<Subdivision> subdivisions;  // top level first, children after their parents
  std::vector<std::size_t> perLevel;      // count per level, level 0 first
  std::vector<MapNote> problems;
};

SubdivisionPlan planSubdivisions(const std::vector<PreparedShape>& shapes,
                                 const std::vector<int>& levelBits,
                                 const SubdivisionLimits& limits = {});

}  // namespace mapsetdesk
