#include "common/Tiles.h"

#include <algorithm>
#include <cmath>

#include "common/Bytes.h"

namespace mapsetdesk::standin {
namespace {

// TRE header offsets.
constexpr std::size_t kTreSignature = 0x02;  // "GARMIN TRE"
constexpr std::size_t kTreBounds = 0x15;     // four 24-bit values: north, east, south, west
constexpr std::size_t kTreDrawPriority = 0x40;
constexpr std::size_t kTreMapId = 0x74;  // u32, in headers of 0x78 bytes and more
constexpr std::size_t kTreHeaderLength = 0xBC;
constexpr std::string_view kTreMark = "GARMIN TRE";
constexpr double kUnitsPerCircle = 16777216.0;

bool allDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Bounds around(const Bounds& a, const Bounds& b) {
  return {std::max(a.north, b.north), std::max(a.east, b.east), std::min(a.south, b.south),
          std::min(a.west, b.west)};
}

double degrees(std::int32_t units) { return units * 360.0 / kUnitsPerCircle; }

std::int32_t mapUnits(double value) {
  return static_cast<std::int32_t>(std::lround(value * kUnitsPerCircle / 360.0));
}

std::size_t Tile::sizeOf(const std::string& type) const {
  for (const ImgSubfile& subfile : subfiles)
    if (subfile.type == type) return subfile.bytes.size();
  return 0;
}

std::optional<Tile> treFacts(const ImgSubfile& tre) {
  const std::string_view bytes = tre.bytes;
  if (bytes.compare(kTreSignature, kTreMark.size(), kTreMark) != 0) return std::nullopt;
  const std::uint32_t headerLength = readU16(bytes, 0);
  if (headerLength < kTreBounds + 12 || headerLength > bytes.size()) return std::nullopt;
  Tile tile;
  tile.bounds = {readI24(bytes, kTreBounds), readI24(bytes, kTreBounds + 3),
                 readI24(bytes, kTreBounds + 6), readI24(bytes, kTreBounds + 9)};
  if (headerLength >= kTreMapId + 4) {
    tile.mapNumber = readU32(bytes, kTreMapId);
  } else if (allDigits(tre.name)) {
    tile.mapNumber = static_cast<std::uint32_t>(std::stoul(tre.name));
  }
  return tile;
}

std::vector<Tile> tilesOf(const ImgContainer& container) {
  std::vector<Tile> tiles;
  for (const ImgSubfile& subfile : container.subfiles) {
    if (subfile.type != "TRE") continue;
    auto tile = treFacts(subfile);
    if (!tile) continue;
    tile->description = container.description;
    for (const ImgSubfile& part : container.subfiles)
      if (part.name == subfile.name) tile->subfiles.push_back(part);
    tiles.push_back(std::move(*tile));
  }
  return tiles;
}

std::string treHeader(std::uint32_t mapNumber, const Bounds& bounds) {
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
