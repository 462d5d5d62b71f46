#include "formats/TreHeader.h"

#include <algorithm>
#include <charconv>

#include "formats/ByteReader.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kTreMark = "GARMIN TRE";
constexpr std::size_t kBounds = 0x15;  // four 24-bit values: north, east, south, west
constexpr std::size_t kMapId = 0x74;   // u32, in headers of 0x78 bytes and more

std::int32_t signed24(std::uint32_t value) {
  return static_cast<std::int32_t>(value & 0x800000u ? value | 0xFF000000u : value);
}

std::int32_t readI24(ByteReader& reader) {
  const std::uint32_t low = reader.u16();
  return signed24(low | (std::uint32_t{reader.u8()} << 16));
}

std::optional<std::uint32_t> numberFromName(std::string_view name) {
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
  if (name.empty() || error != std::errc() || end != name.data() + name.size()) return std::nullopt;
  return number;
}

}  // namespace

MapBounds around(const MapBounds& a, const MapBounds& b) {
  return {std::max(a.north, b.north), std::max(a.east, b.east), std::min(a.south, b.south),
          std::min(a.west, b.west)};
}

std::optional<TreFacts> readTreFacts(std::string_view treStart, std::string_view subfileName) {
  ByteReader reader(treStart);
  const std::size_t headerLength = reader.u16();
  if (reader.bytes(kTreMark.size()) != kTreMark || headerLength < kBounds + 12) return std::nullopt;
  reader.seek(kBounds);
  TreFacts facts;
  facts.bounds.north = readI24(reader);
  facts.bounds.east = readI24(reader);
  facts.bounds.south = readI24(reader);
  facts.bounds.west = readI24(reader);
  if (!reader.ok()) return std::nullopt;
  if (headerLength >= kMapId + 4) {
    reader.seek(kMapId);
    facts.mapNumber = reader.u32();
    if (!reader.ok()) return std::nullopt;
  } else if (const auto number = numberFromName(subfileName)) {
    facts.mapNumber = *number;
  }
  return facts;
}

}  // namespace mapsetdesk
