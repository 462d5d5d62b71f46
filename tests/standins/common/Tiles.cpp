#include "common/Tiles.h"

#include <algorithm>
#include <cmath>

#include "common/Bytes.h"

namespace mapsetdesk::standin {
namespace {

constexpr std::size_t kTreDrawPriority = 0x40;
constexpr std::size_t kTreMapId = 0x74;
constexpr std::size_t kTreHeaderLength = 0xBC;
constexpr std::string_view kTreMark = "GARMIN TRE";
constexpr double kUnitsPerCircle = 16777216.0;

}  // namespace


std::int32_t mapUnits(double value) {
  return static_cast<std::int32_t>(std::lround(value * kUnitsPerCircle / 360.0));
}

MapTile Tile::indexEntry() const {
  MapTile entry{mapNumber, bounds, description, {}};
  for (const ImgSubfile& subfile : subfiles)
    entry.subfiles.push_back({subfile.fileName(), static_cast<std::uint32_t>(subfile.bytes.size())});
  return entry;
}

std::vector<Tile> tilesOf(const ImgContainer& container) {
  std::vector<Tile> tiles;
  for (const ImgSubfile& subfile : container.subfiles) {
    if (subfile.type != "TRE") continue;
    const auto facts = readTreFacts(subfile.bytes, subfile.name);
    if (!facts) continue;
    Tile tile{facts->mapNumber, facts->bounds, container.description, {}};
    for (const ImgSubfile& part : container.subfiles)
      if (part.name == subfile.name) tile.subfiles.push_back(part);
    tiles.push_back(std::move(tile));
  }
  return tiles;
}

std::string treHeader(std::uint32_t mapNumber, const MapBounds& bounds) {
  ByteSink sink;
  sink.u16(kTreHeaderLength).bytes(kTreMark).u8(1).u8(0).field("", 7, '\0');
  sink.u24(static_cast<std::uint32_t>(bounds.north)).u24(static_cast<std::uint32_t>(bounds.east));
  sink.u24(static_cast<std::uint32_t>(bounds.south)).u24(static_cast<std::uint32_t>(bounds.west));
  std::string header = sink.take();
  header.resize(kTreHeaderLength, '\0');
  header[kTreDrawPriority] = 25;
  for (int i = 0; i < 4; ++i)
    header[kTreMapId + i] = static_cast<char>((mapNumber >> (8 * i)) & 0xFF);
  return header;
}

}  // namespace mapsetdesk::standin
