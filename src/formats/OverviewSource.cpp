#include "formats/OverviewSource.h"

#include <cstdlib>

#include "formats/PlainText.h"
#include "formats/TdbTiles.h"

namespace mapsetdesk {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr long long kMicrodegreesPerCircle = 360000000LL;
constexpr long long kUnitsPerCircle = 1LL << 24;

void appendPoint(std::string& text, std::int32_t latitude, std::int32_t longitude) {
  text += '(';
  text += mapUnitsAsDegrees(latitude);
  text += ',';
  text += mapUnitsAsDegrees(longitude);
  text += ')';
}

}  // namespace

std::string overviewArea(const MapBounds& bounds) {
  std::string text;
  appendPoint(text, bounds.north, bounds.west);
  text += ',';
  appendPoint(text, bounds.north, bounds.east);
  text += ',';
  appendPoint(text, bounds.south, bounds.east);
  text += ',';
  appendPoint(text, bounds.south, bounds.west);
  return text;
}

std::string mapUnitsAsDegrees(std::int32_t units) {
  const long long scaled = static_cast<long long>(units) * kMicrodegreesPerCircle;
  // Rounded half away from zero.
  const long long micro = (std::llabs(scaled) + kUnitsPerCircle / 2) / kUnitsPerCircle;
  std::string decimals = std::to_string(micro % 1000000);
  decimals.insert(0, 6 - decimals.size(), '0');
  return std::string(units < 0 && micro != 0 ? "-" : "") + std::to_string(micro / 1000000) + "." +
         decimals;
}

std::string writeOverviewSource(const Mapset& mapset) {
  std::string text;
  auto line = [&text](const std::string& content) { text += content + kCrLf; };
  line("[IMG ID]");
  line("ID=" + std::to_string(mapset.overviewNumber()));
  // One line per key: a line break in the name would start another key.
  line("Name=" + withoutControlCharacters(mapset.name));
  line("CodePage=" + std::to_string(mapset.codePage));
  line("LblCoding=9");
  line("Levels=2");
  line("Level0=16");
  line("Level1=15");
  line("Zoom0=3");
  line("Zoom1=4");
  line("[END-IMG ID]");
  for (const MapTile& tile : mapset.tiles) {
    line("");
    line("[POLYGON]");
    line(std::string("Type=") + kOverviewAreaType);
    line("Label=" + tileName(tile.mapNumber));
    line("EndLevel=0");
    line("Data0=" + overviewArea(tile.bounds));
    line("[END]");
  }
  return text;
}

}  // namespace mapsetdesk
