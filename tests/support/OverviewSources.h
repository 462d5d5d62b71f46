#pragma once
// Polish overview sources for the tests, written as the built-in gmt writes
// them ([IMG ID] with ID, Name, CodePage, LblCoding, Levels, LevelN, ZoomN;
// one [POLYGON] per tile with Type, Label, EndLevel and Data0; CR LF), and
// the checks that compare a source's shapes with a decoded map level by level.
#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "formats/MapDecoder.h"
#include "formats/Mapset.h"
#include "formats/OverviewMap.h"

namespace mapsetdesk::testing {

struct SourceArea {
  double north = 0, east = 0, south = 0, west = 0;
  std::string label;       // Windows-1252, as the source holds it
  int endLevel = -1;       // no EndLevel line when negative
  std::string type = "0x4a";
};

struct SourceSpec {
  std::uint32_t id = 63240000;
  std::string name = "Harz";
  std::vector<int> levelBits{16, 15};
  std::vector<SourceArea> areas;
};

std::string polishSource(const SourceSpec& spec);

// count tiles of size degrees in rows of 100, from the north-west corner on,
// labelled with their eight-digit tile names.
std::vector<SourceArea> tileGrid(std::size_t count, double north, double west, double size);

// A mapset of count tiles as tileGrid lays them out, numbered from 63240001,
// for the built-in gmt's own source writer.
Mapset gridMapset(std::size_t count, double north, double west, double size);

// One shape as the checks compare it: kind, type, label, points (wrapped map units).
using ShapeKey = std::tuple<int, int, std::string, std::vector<std::pair<std::int32_t, std::int32_t>>>;
using LevelShapes = std::multiset<ShapeKey>;

// What each level must show: the source's shapes rounded to its resolution.
std::vector<LevelShapes> expectedLevels(const OverviewMap& source);
// What each level of a decoded map shows; without the types in dropTypes.
std::vector<LevelShapes> decodedLevels(const DecodedMap& map, const std::set<int>& dropTypes = {});

}  // namespace mapsetdesk::testing
