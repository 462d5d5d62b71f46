// The overview map's reader and writer. An input that is an IMG container is
// read with the map reader (it must never read outside the subfiles); any
// other input is taken as a Polish source: what the parser accepts and the
// encoder writes must read back as the source's shapes, level by level,
// rounded to each level's resolution.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "formats/ImgContainer.h"
#include "formats/MapDecoder.h"
#include "formats/MapUnits.h"
#include "formats/OverviewEncoder.h"
#include "formats/PolishSource.h"

using namespace mapsetdesk;

namespace {

using Shape = std::tuple<int, int, std::string, std::vector<std::pair<std::int32_t, std::int32_t>>>;
using Level = std::vector<Shape>;

void readContainer(const ImgContainer& container) {
  std::string tre, rgn, lbl;
  for (const ImgSubfile& subfile : container.subfiles) {
    if (subfile.type == "TRE") tre = subfile.bytes;
    if (subfile.type == "RGN") rgn = subfile.bytes;
    if (subfile.type == "LBL") lbl = subfile.bytes;
  }
  decodeMap(tre, rgn, lbl);
}

std::vector<Level> expected(const OverviewMap& map) {
  std::vector<Level> levels(map.levelBits.size());
  for (const MapShape& shape : map.shapes)
    for (int level = shape.firstLevel; level <= shape.lastLevel; ++level) {
      const int bits = map.levelBits[static_cast<std::size_t>(level)];
      std::vector<std::pair<std::int32_t, std::int32_t>> points;
      for (const MapPoint& p : shape.points)
        points.emplace_back(wrapUnits(roundToBits(p.lat, bits)), wrapUnits(roundToBits(p.lon, bits)));
      levels[static_cast<std::size_t>(level)].emplace_back(static_cast<int>(shape.kind), shape.type, shape.label, points);
    }
  for (Level& level : levels) std::sort(level.begin(), level.end());
  return levels;
}

std::vector<Level> decoded(const DecodedMap& map) {
  std::vector<Level> levels;
  for (const DecodedLevel& level : map.levels) {
    Level shapes;
    for (const DecodedShape& shape : level.shapes) {
      std::vector<std::pair<std::int32_t, std::int32_t>> points;
      for (const MapPoint& p : shape.points) points.emplace_back(p.lat, p.lon);
      shapes.emplace_back(static_cast<int>(shape.kind), shape.type, shape.label, points);
    }
    std::sort(shapes.begin(), shapes.end());
    levels.push_back(std::move(shapes));
  }
  return levels;
}

void roundTrip(const std::string& source) {
  const PolishParse parse = parsePolishSource(source);
  if (parse.refused()) return;
  const OverviewEncoding encoding = encodeOverview(parse.map, MapTimestamp{});
  if (!encoding.subfiles) return;
  const auto map = decodeMap(encoding.subfiles->tre, encoding.subfiles->rgn, encoding.subfiles->lbl);
  if (!map || decoded(*map) != expected(parse.map)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const auto container = readImgContainer(bytes))
    readContainer(*container);
  else
    roundTrip(bytes);
  return 0;
}
