#include "formats/ShapeRecord.h"

#include <algorithm>
#include <cstdlib>

#include "formats/BitStream.h"
#include "formats/ByteSink.h"
#include "formats/MapUnits.h"

namespace mapsetdesk {
namespace {

constexpr int kLargestBase = 15;
constexpr std::uint32_t kLabelMask = 0x3FFFFF;  // the upper two bits are polyline flags
constexpr std::uint8_t kLongLength = 0x80;

// Bits per delta that a base (a nibble of the record's base byte) stands for.
int widthOfBase(int base) { return base < 10 ? base + 2 : 2 * base - 7; }

// How one axis's deltas are packed: all of one sign (stored as magnitudes,
// the sign once in front) or mixed (two's complement with one bit more).
struct AxisPacking {
  bool sameSign = true;
  bool negative = false;
  int base = 0;
  int width() const { return widthOfBase(base) + (sameSign ? 0 : 1); }
  int headerBits() const { return sameSign ? 2 : 1; }
};

std::optional<AxisPacking> axisPacking(const std::vector<std::int32_t>& deltas) {
  AxisPacking packing;
  const bool anyNegative = std::any_of(deltas.begin(), deltas.end(), [](std::int32_t d) { return d < 0; });
  const bool anyPositive = std::any_of(deltas.begin(), deltas.end(), [](std::int32_t d) { return d > 0; });
  packing.sameSign = !(anyNegative && anyPositive);
  packing.negative = anyNegative;
  std::int64_t largest = 0;
  for (const std::int32_t delta : deltas) largest = std::max<std::int64_t>(largest, std::llabs(delta));
  for (packing.base = 0; packing.base <= kLargestBase; ++packing.base) {
    const int width = packing.width();
    const std::int64_t limit = (std::int64_t{1} << (packing.sameSign ? width : width - 1)) - 1;
    if (largest <= limit) return packing;
  }
  return std::nullopt;
}

void putAxis(BitWriter& bits, const AxisPacking& packing, std::int32_t delta) {
  if (packing.sameSign)
    bits.put(static_cast<std::uint32_t>(std::abs(delta)), packing.width());
  else
    bits.putSigned(delta, packing.width());
}

std::int32_t getAxis(BitReader& bits, const AxisPacking& packing) {
  if (!packing.sameSign) return bits.getSigned(packing.width());
  const auto magnitude = static_cast<std::int32_t>(bits.get(packing.width()));
  return packing.negative ? -magnitude : magnitude;
}

AxisPacking readAxisHeader(BitReader& bits, int base) {
  AxisPacking packing;
  packing.base = base;
  packing.sameSign = bits.get(1) != 0;
  if (packing.sameSign) packing.negative = bits.get(1) != 0;
  return packing;
}

}  // namespace

std::optional<PackedDeltas> packDeltas(const std::vector<MapPoint>& rounded, int shift) {
  std::vector<std::int32_t> lons, lats;
  for (std::size_t i = 1; i < rounded.size(); ++i) {
    lons.push_back((rounded[i].lon - rounded[i - 1].lon) >> shift);
    lats.push_back((rounded[i].lat - rounded[i - 1].lat) >> shift);
  }
  auto lon = axisPacking(lons);
  const auto lat = axisPacking(lats);
  if (!lon || !lat) return std::nullopt;
  // The reader takes as many points as whole deltas fit the stream, so the
  // padding of the last byte must be shorter than one point.
  const std::size_t header = lon->headerBits() + lat->headerBits();
  while (lon->base < kLargestBase) {
    const std::size_t point = lon->width() + lat->width();
    const std::size_t padding = (8 - (header + lons.size() * point) % 8) % 8;
    if (padding < point) break;
    ++lon->base;
  }
  BitWriter bits;
  bits.put(static_cast<std::uint32_t>(lon->base | lat->base << 4), 8);
  for (const AxisPacking* axis : std::initializer_list<const AxisPacking*>{&*lon, &*lat}) {
    bits.put(axis->sameSign ? 1 : 0, 1);
    if (axis->sameSign) bits.put(axis->negative ? 1 : 0, 1);
  }
  for (std::size_t i = 0; i < lons.size(); ++i) {
    putAxis(bits, *lon, lons[i]);
    putAxis(bits, *lat, lats[i]);
  }
  const std::size_t length = bits.bytes().size() - 1;  // the base byte is not counted
  if (length > 0xFFFF) return std::nullopt;
  PackedDeltas packed;
  packed.longLength = length > 0xFF;
  ByteSink out;
  if (packed.longLength)
    out.u16(static_cast<std::uint32_t>(length));
  else
    out.u8(static_cast<std::uint32_t>(length));
  out.bytes(bits.bytes());
  packed.bytes = out.take();
  return packed;
}

std::string shapeRecord(std::uint8_t type, std::uint32_t labelOffset,
                        MapPoint first, MapPoint centre, int shift, const PackedDeltas& deltas) {
  ByteSink out;
  out.u8(type | (deltas.longLength ? kLongLength : 0));
  out.u24(labelOffset & kLabelMask);
  out.u16(static_cast<std::uint32_t>((first.lon - centre.lon) >> shift) & 0xFFFF);
  out.u16(static_cast<std::uint32_t>((first.lat - centre.lat) >> shift) & 0xFFFF);
  out.bytes(deltas.bytes);
  return out.take();
}

std::optional<DecodedRecord> readShapeRecord(ByteReader& reader, ShapeKind kind, MapPoint centre,
                                             int shift) {
  const std::uint8_t typeByte = reader.u8();
  DecodedRecord record;
  record.type = typeByte & (kind == ShapeKind::Polygon ? 0x7F : 0x3F);
  const std::uint32_t labelLow = reader.u16();
  record.labelOffset = (labelLow | std::uint32_t{reader.u8()} << 16) & kLabelMask;
  const auto lonDelta = static_cast<std::int16_t>(reader.u16());
  const auto latDelta = static_cast<std::int16_t>(reader.u16());
  const std::size_t length = (typeByte & kLongLength) ? reader.u16() : reader.u8();
  const std::uint8_t base = reader.u8();
  const std::string_view stream = reader.bytes(length);
  if (!reader.ok() || shift < 0 || shift > kFullBits) return std::nullopt;
  std::int64_t lon = centre.lon + (std::int64_t{lonDelta} << shift);
  std::int64_t lat = centre.lat + (std::int64_t{latDelta} << shift);
  record.points.push_back({wrapUnits(lat), wrapUnits(lon)});
  BitReader bits(stream);
  const AxisPacking lonPacking = readAxisHeader(bits, base & 0x0F);
  const AxisPacking latPacking = readAxisHeader(bits, base >> 4);
  const std::size_t point = lonPacking.width() + latPacking.width();
  while (bits.remaining() >= point) {
    lon += std::int64_t{getAxis(bits, lonPacking)} << shift;
    lat += std::int64_t{getAxis(bits, latPacking)} << shift;
    record.points.push_back({wrapUnits(lat), wrapUnits(lon)});
  }
  return record;
}

}  // namespace mapsetdesk
