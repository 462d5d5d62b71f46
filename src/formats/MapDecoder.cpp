#include "formats/MapDecoder.h"

#include <algorithm>

#include "formats/ByteReader.h"
#include "formats/MapUnits.h"
#include "formats/ShapeRecord.h"

namespace mapsetdesk {
namespace {

constexpr std::size_t kMaxLevels = 16;
constexpr std::uint8_t kHasPoints = 0x10, kHasIndexedPoints = 0x20, kHasPolylines = 0x40, kHasPolygons = 0x80;

bool hasSignature(std::string_view subfile, std::string_view kind) {
  return subfile.size() >= 12 && subfile.substr(2, 7) == "GARMIN " && subfile.substr(9, 3) == kind;
}

std::int32_t signed24(ByteReader& reader) {
  const std::uint32_t low = reader.u16();
  const std::uint32_t value = low | std::uint32_t{reader.u8()} << 16;
  return static_cast<std::int32_t>(value << 8) >> 8;
}

class Labels {
 public:
  bool read(std::string_view lbl, std::uint16_t& codePage);
  std::optional<std::string> at(std::uint32_t offset) const;

 private:
  std::string_view data_;
  int scale_ = 0;
};

bool Labels::read(std::string_view lbl, std::uint16_t& codePage) {
  if (!hasSignature(lbl, "LBL")) return false;
  ByteReader reader(lbl);
  const std::uint16_t headerLength = reader.u16();
  reader.seek(0x15);
  const std::uint32_t offset = reader.u32();
  const std::uint32_t size = reader.u32();
  scale_ = reader.u8() & 0x0F;
  const std::uint8_t coding = reader.u8();
  if (headerLength >= 0xAC) {
    reader.seek(0xAA);
    codePage = reader.u16();
  }
  reader.seek(offset);
  data_ = reader.bytes(size);
  return reader.ok() && (coding == 9 || coding == 10);
}

std::optional<std::string> Labels::at(std::uint32_t offset) const {
  const std::uint64_t start = std::uint64_t{offset} << scale_;
  if (start >= data_.size()) return offset == 0 ? std::optional<std::string>("") : std::nullopt;
  const std::string_view rest = data_.substr(static_cast<std::size_t>(start));
  return std::string(rest.substr(0, rest.find('\0')));
}

struct SubdivisionEntry {
  std::size_t level = 0;  // index into the decoded levels
  std::uint32_t start = 0;
  std::uint8_t kinds = 0;
  MapPoint centre;
};

class Decoder {
 public:
  std::optional<DecodedMap> run(std::string_view tre, std::string_view rgn, std::string_view lbl);

 private:
  bool readTre(std::string_view tre);
  bool readLevels(std::string_view tre, std::uint32_t offset, std::uint32_t size);
  bool readSubdivisions(std::string_view tre, std::uint32_t offset);
  bool readTypeLists(std::string_view tre);
  bool readShapes(const SubdivisionEntry& entry, std::uint32_t end);
  bool readSection(std::size_t level, ShapeKind kind, std::size_t start, std::size_t end, MapPoint centre);

  DecodedMap map_;
  std::vector<SubdivisionEntry> entries_;
  std::string_view rgnData_;
  Labels labels_;
};

bool Decoder::readLevels(std::string_view tre, std::uint32_t offset, std::uint32_t size) {
  const std::size_t count = size / 4;
  if (count == 0 || count > kMaxLevels) return false;
  ByteReader reader(tre, std::min<std::size_t>(offset, tre.size() + 1));
  map_.levels.resize(count);
  for (std::size_t i = count; i-- > 0;) {  // the file lists the top level first
    DecodedLevel& level = map_.levels[i];
    const std::uint8_t zoom = reader.u8();
    level.zoom = zoom & 0x0F;
    level.topMark = (zoom & 0x80) != 0;
    level.bits = reader.u8();
    level.subdivisions = reader.u16();
    if (level.bits < 1 || level.bits > kFullBits) return false;
  }
  return reader.ok();
}

bool Decoder::readSubdivisions(std::string_view tre, std::uint32_t offset) {
  ByteReader reader(tre, std::min<std::size_t>(offset, tre.size() + 1));
  for (std::size_t i = map_.levels.size(); i-- > 0;) {
    for (std::size_t n = 0; n < map_.levels[i].subdivisions && reader.ok(); ++n) {
      SubdivisionEntry entry;
      entry.level = i;
      entry.start = reader.u16();
      entry.start |= std::uint32_t{reader.u8()} << 16;
      entry.kinds = reader.u8();
      entry.centre.lon = signed24(reader);
      entry.centre.lat = signed24(reader);
      reader.skip(i > 0 ? 6 : 4);  // width, height and, above level 0, the first child
      entries_.push_back(entry);
    }
  }
  return reader.ok();
}

// Records of (type, highest level), at 0x4A for polylines and 0x58 for polygons.
bool Decoder::readTypeLists(std::string_view tre) {
  for (const auto& [at, list] : {std::pair{0x4A, &map_.polylineTypes}, std::pair{0x58, &map_.polygonTypes}}) {
    ByteReader header(tre, at);
    const std::uint32_t offset = header.u32(), size = header.u32();
    const std::uint16_t recordSize = header.u16();
    if (!header.ok() || (size > 0 && recordSize < 2)) return false;
    ByteReader records(tre, std::min<std::size_t>(offset, tre.size() + 1));
    for (std::uint32_t done = 0; size > 0 && done + recordSize <= size && records.ok(); done += recordSize) {
      const std::uint8_t type = records.u8();
      list->emplace_back(type, records.u8());
      records.skip(recordSize - 2u);
    }
    if (!records.ok()) return false;
  }
  return true;
}

bool Decoder::readTre(std::string_view tre) {
  if (!hasSignature(tre, "TRE")) return false;
  ByteReader reader(tre);
  const std::uint16_t headerLength = reader.u16();
  reader.seek(0x15);
  map_.north = signed24(reader);
  map_.east = signed24(reader);
  map_.south = signed24(reader);
  map_.west = signed24(reader);
  const std::uint32_t levelsOffset = reader.u32(), levelsSize = reader.u32();
  const std::uint32_t subdivisionsOffset = reader.u32();
  if (headerLength >= 0x78) {
    reader.seek(0x74);
    map_.mapNumber = reader.u32();
  }
  return reader.ok() && readLevels(tre, levelsOffset, levelsSize) &&
         readSubdivisions(tre, subdivisionsOffset) && readTypeLists(tre);
}

bool Decoder::readSection(std::size_t level, ShapeKind kind, std::size_t start, std::size_t end, MapPoint centre) {
  if (start > end || end > rgnData_.size()) return false;
  ByteReader reader(rgnData_.substr(0, end), start);
  const int shift = shiftOf(map_.levels[level].bits);
  while (reader.ok() && reader.offset() < end) {
    auto record = readShapeRecord(reader, kind, centre, shift);
    if (!record) return false;
    const auto label = labels_.at(record->labelOffset);
    if (!label) return false;
    map_.levels[level].shapes.push_back({kind, record->type, *label, std::move(record->points)});
  }
  return reader.ok();
}

bool Decoder::readShapes(const SubdivisionEntry& entry, std::uint32_t end) {
  if (entry.start > end || end > rgnData_.size()) return false;
  std::vector<std::uint8_t> kinds;
  for (const std::uint8_t kind : {kHasPoints, kHasIndexedPoints, kHasPolylines, kHasPolygons})
    if (entry.kinds & kind) kinds.push_back(kind);
  if (kinds.empty()) return true;
  // A pointer to each kind's records but the first, which follows the pointers.
  ByteReader pointers(rgnData_.substr(0, end), entry.start);
  std::vector<std::size_t> starts{entry.start + 2 * (kinds.size() - 1)};
  for (std::size_t i = 1; i < kinds.size(); ++i) starts.push_back(entry.start + std::size_t{pointers.u16()});
  if (!pointers.ok()) return false;
  starts.push_back(end);
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i] != kHasPolylines && kinds[i] != kHasPolygons) continue;  // an overview has no points
    const ShapeKind kind = kinds[i] == kHasPolygons ? ShapeKind::Polygon : ShapeKind::Polyline;
    if (!readSection(entry.level, kind, starts[i], starts[i + 1], entry.centre)) return false;
  }
  return true;
}

std::optional<DecodedMap> Decoder::run(std::string_view tre, std::string_view rgn, std::string_view lbl) {
  if (!readTre(tre) || !labels_.read(lbl, map_.codePage) || !hasSignature(rgn, "RGN")) return std::nullopt;
  ByteReader header(rgn, 0x15);
  const std::uint32_t dataOffset = header.u32(), dataSize = header.u32();
  header.seek(dataOffset);
  rgnData_ = header.bytes(dataSize);
  if (!header.ok()) return std::nullopt;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::uint32_t end = i + 1 < entries_.size() ? entries_[i + 1].start : dataSize;
    if (!readShapes(entries_[i], end)) return std::nullopt;
  }
  return std::move(map_);
}

}  // namespace

std::optional<DecodedMap> decodeMap(std::string_view tre, std::string_view rgn, std::string_view lbl) {
  return Decoder().run(tre, rgn, lbl);
}

}  // namespace mapsetdesk
