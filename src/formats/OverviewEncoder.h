#pragma once
// The TRE, RGN and LBL subfiles of an overview map: levels, subdivisions and
// the overview sections for the types used (TRE), the bit-packed polygons and
// polylines of each level at that level's resolution (RGN), and the labels as
// code-page text, format 9 (LBL).
#include <optional>
#include <string>
#include <vector>

#include "formats/OverviewMap.h"

namespace mapsetdesk {

// When the subfiles were made; Garmin's programs show it nowhere but each
// subfile header holds it.
struct MapTimestamp {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

struct OverviewSubfiles {
  std::string tre, rgn, lbl;
};

struct OverviewEncoding {
  std::optional<OverviewSubfiles> subfiles;  // none when a problem refuses the map
  std::vector<MapNote> problems;
};

// The map must have at least one level and one shape, as the source parser
// guarantees.
OverviewEncoding encodeOverview(const OverviewMap& map, const MapTimestamp& made);

}  // namespace mapsetdesk
