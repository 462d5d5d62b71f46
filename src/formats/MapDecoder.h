#pragma once
// Reads the TRE, RGN and LBL subfiles of a map back into its levels and
// shapes: every polygon and polyline of every subdivision, with its type,
// label and points in map units. Bounds-safe: a subfile that is cut short or
// points outside itself gives nullopt, never a read past its end.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/OverviewMap.h"

namespace mapsetdesk {

struct DecodedShape {
  ShapeKind kind = ShapeKind::Polygon;
  std::uint8_t type = 0;
  std::string label;  // in the map's code page
  std::vector<MapPoint> points;
};

struct DecodedLevel {
  int zoom = 0;
  int bits = 0;
  bool topMark = false;
  std::size_t subdivisions = 0;
  std::vector<DecodedShape> shapes;
};

struct DecodedMap {
  std::int32_t north = 0, east = 0, south = 0, west = 0;
  std::uint32_t mapNumber = 0;
  std::uint16_t codePage = 0;
  std::vector<DecodedLevel> levels;  // level 0 (most detailed) first
  // The overview sections: each type used and the highest level showing it.
  std::vector<std::pair<std::uint8_t, std::uint8_t>> polylineTypes, polygonTypes;
};

// Labels must be 8-bit text (formats 9 and 10).
std::optional<DecodedMap> decodeMap(std::string_view tre, std::string_view rgn, std::string_view lbl);

}  // namespace mapsetdesk
