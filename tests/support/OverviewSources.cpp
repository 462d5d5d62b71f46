#include "support/OverviewSources.h"

#include <cstdio>

#include "formats/MapUnits.h"

namespace mapsetdesk::testing {
namespace {

std::string point(double latitude, double longitude) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.6f,%.6f)", latitude, longitude);
  return text;
}

ShapeKey keyOf(ShapeKind kind, int type, const std::string& label, const std::vector<MapPoint>& points) {
  std::vector<std::pair<std::int32_t, std::int32_t>> pairs;
  for (const MapPoint& p : points) pairs.emplace_back(p.lat, p.lon);
  return {static_cast<int>(kind), type, label, pairs};
}

}  // namespace

std::string polishSource(const SourceSpec& spec) {
  std::string text;
  const auto line = [&text](const std::string& content) { text += content + "\r\n"; };
  line("[IMG ID]");
  line("ID=" + std::to_string(spec.id));
  line("Name=" + spec.name);
  line("CodePage=1252");
  line("LblCoding=9");
  line("Levels=" + std::to_string(spec.levelBits.size()));
  for (std::size_t i = 0; i < spec.levelBits.size(); ++i)
    line("Level" + std::to_string(i) + "=" + std::to_string(spec.levelBits[i]));
  for (std::size_t i = 0; i < spec.levelBits.size(); ++i)
    line("Zoom" + std::to_string(i) + "=" + std::to_string(i + 3));
  line("[END-IMG ID]");
  for (const SourceArea& area : spec.areas) {
    line("[POLYGON]");
    line("Type=" + area.type);
    if (!area.label.empty()) line("Label=" + area.label);
    if (area.endLevel >= 0) line("EndLevel=" + std::to_string(area.endLevel));
    line("Data0=" + point(area.north, area.west) + "," + point(area.north, area.east) + "," +
         point(area.south, area.east) + "," + point(area.south, area.west));
    line("[END]");
  }
  return text;
}

std::vector<SourceArea> tileGrid(std::size_t count, double north, double west, double size) {
  std::vector<SourceArea> areas;
  for (std::size_t i = 0; i < count; ++i) {
    SourceArea area;
    area.north = north - size * static_cast<double>(i / 100);
    area.south = area.north - size;
    area.west = west + size * static_cast<double>(i % 100);
    area.east = area.west + size;
    char name[16];
    std::snprintf(name, sizeof name, "%08zu", 63240001 + i);
    area.label = name;
    areas.push_back(area);
  }
  return areas;
}

Mapset gridMapset(std::size_t count, double north, double west, double size) {
  Mapset mapset;
  mapset.name = "Harz";
  const std::vector<SourceArea> areas = tileGrid(count, north, west, size);
  for (std::size_t i = 0; i < count; ++i) {
    const SourceArea& area = areas[i];
    MapTile tile;
    tile.mapNumber = static_cast<std::uint32_t>(63240001 + i);
    tile.bounds = {unitsFromDegrees(area.north), unitsFromDegrees(area.east), unitsFromDegrees(area.south),
                   unitsFromDegrees(area.west)};
    mapset.tiles.push_back(tile);
  }
  return mapset;
}

std::vector<LevelShapes> expectedLevels(const OverviewMap& source) {
  std::vector<LevelShapes> levels(source.levelBits.size());
  for (const MapShape& shape : source.shapes) {
    for (int level = shape.firstLevel; level <= shape.lastLevel; ++level) {
      const int bits = source.levelBits[static_cast<std::size_t>(level)];
      std::vector<MapPoint> rounded;
      for (const MapPoint& p : shape.points)
        rounded.push_back({wrapUnits(roundToBits(p.lat, bits)), wrapUnits(roundToBits(p.lon, bits))});
      levels[static_cast<std::size_t>(level)].insert(keyOf(shape.kind, shape.type, shape.label, rounded));
    }
  }
  return levels;
}

std::vector<LevelShapes> decodedLevels(const DecodedMap& map, const std::set<int>& dropTypes) {
  std::vector<LevelShapes> levels;
  for (const DecodedLevel& level : map.levels) {
    LevelShapes shapes;
    for (const DecodedShape& shape : level.shapes)
      if (!dropTypes.contains(shape.type)) shapes.insert(keyOf(shape.kind, shape.type, shape.label, shape.points));
    levels.push_back(std::move(shapes));
  }
  return levels;
}

}  // namespace mapsetdesk::testing
