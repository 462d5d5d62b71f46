#pragma once
// An overview map as its Polish source describes it: a few levels and the
// polygons and polylines shown on them, in map units at full resolution.
#include <cstdint>
#include <string>
#include <vector>

namespace mapsetdesk {

struct MapPoint {
  std::int32_t lat = 0;
  std::int32_t lon = 0;
  bool operator==(const MapPoint&) const = default;
};

enum class ShapeKind { Polyline, Polygon };

struct MapShape {
  ShapeKind kind = ShapeKind::Polygon;
  std::uint8_t type = 0;
  std::string label;  // in the map's code page
  int firstLevel = 0;  // shown from this level up to lastLevel
  int lastLevel = 0;
  std::vector<MapPoint> points;
  int line = 0;  // of its Data line in the source, for reports
};

struct OverviewMap {
  std::uint32_t mapNumber = 0;
  std::string name;  // in the map's code page
  std::uint16_t codePage = 1252;
  std::vector<int> levelBits;  // level 0 (most detailed) first
  std::vector<MapShape> shapes;
};

// A problem with the source or the map, tied to a source line.
struct MapNote {
  int line = 0;
  std::string text;
  bool refused = false;  // true: no map can be made; false: only ignored
};

}  // namespace mapsetdesk
