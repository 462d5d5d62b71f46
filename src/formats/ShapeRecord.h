#pragma once
// One polygon or polyline record of an RGN subdivision: type, label offset,
// the first point as a 16-bit delta from the subdivision's centre, then the
// following points as bit-packed deltas, all in units of the level's
// resolution. Points are given in map units already rounded to that
// resolution; longitudes may run past 180 degrees (a shape crossing the
// antimeridian), the 24-bit arithmetic of the readers wraps them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/ByteReader.h"
#include "formats/OverviewMap.h"

namespace mapsetdesk {

// Everything of a record after the first point's delta: the stream's length,
// its bit widths and the packed deltas. It depends only on the points.
struct PackedDeltas {
  std::string bytes;
  bool longLength = false;  // the length takes two bytes
};

// nullopt when a delta needs more bits than a record can give it.
std::optional<PackedDeltas> packDeltas(const std::vector<MapPoint>& rounded, int shift);

// The whole record; the first point's delta from the centre must fit 16 bits.
// Polygons and polylines share the layout; the type's width tells them apart.
std::string shapeRecord(std::uint8_t type, std::uint32_t labelOffset,
                        MapPoint first, MapPoint centre, int shift, const PackedDeltas& deltas);

struct DecodedRecord {
  std::uint8_t type = 0;
  std::uint32_t labelOffset = 0;
  std::vector<MapPoint> points;  // in map units, wrapped into the 24-bit range
};

// Reads one record at the reader's position; nullopt when it is malformed.
std::optional<DecodedRecord> readShapeRecord(ByteReader& reader, ShapeKind kind, MapPoint centre,
                                             int shift);

}  // namespace mapsetdesk
