#pragma once
// The overview map's source text in the Polish format: an [IMG ID] section
// naming the map, then one [POLYGON] area per tile covering its bounds and
// labelled with the tile's name. Windows-1252 text, CR LF line ends, and
// only the keys the overview compiler reads:
//   [IMG ID]   ID, Name, CodePage, LblCoding, Levels, Level0.., Zoom0..
//   [POLYGON]  Type, Label, EndLevel, Data0=(lat,lon),...
#include <cstdint>
#include <string>

#include "formats/Mapset.h"

namespace mapsetdesk {

inline constexpr const char* kOverviewAreaType = "0x4a";

std::string writeOverviewSource(const Mapset& mapset);

// The corners of the bounds as a Data0 value, clockwise from north-west:
// (lat,lon),(lat,lon),(lat,lon),(lat,lon).
std::string overviewArea(const MapBounds& bounds);

// Degrees with six decimals, whatever the locale: enough for every map unit
// (360/2^24 degrees) to come back exactly.
std::string mapUnitsAsDegrees(std::int32_t units);

}  // namespace mapsetdesk
