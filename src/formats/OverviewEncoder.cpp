#include "formats/OverviewEncoder.h"

#include <map>
#include <unordered_map>

#include "formats/ByteSink.h"
#include "formats/MapUnits.h"
#include "formats/ShapeRecord.h"
#include "formats/SubdivisionPlan.h"
#include "formats/SubfileHeaders.h"

namespace mapsetdesk {
namespace {

constexpr std::uint32_t kLargestLabelOffset = 0x3FFFFF;  // 22 bits in a record
constexpr std::uint32_t kLargestRgnOffset = 0xFFFFFF;    // 24 bits in a subdivision
constexpr std::size_t kRecordHead = 8;                   // type, label, first point
constexpr std::uint8_t kHasPolylines = 0x40, kHasPolygons = 0x80;
constexpr std::uint8_t kTopLevel = 0x80;  // the level above all, as Garmin marks it

// The labels, each once, after the empty label at offset 0.
class LabelTable {
 public:
  std::uint32_t offsetOf(const std::string& label) {
    if (label.empty()) return 0;
    const auto [found, added] = offsets_.try_emplace(label, static_cast<std::uint32_t>(text_.size()));
    if (added) text_.append(label).push_back('\0');
    return found->second;
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_ = std::string(1, '\0');
  std::unordered_map<std::string, std::uint32_t> offsets_;
};

std::vector<MapPoint> roundedPoints(const std::vector<MapPoint>& points, int bits) {
  std::vector<MapPoint> rounded;
  rounded.reserve(points.size());
  for (const MapPoint& point : points) rounded.push_back({roundToBits(point.lat, bits), roundToBits(point.lon, bits)});
  return rounded;
}

std::string shapeName(const MapShape& shape) {
  return shape.kind == ShapeKind::Polygon ? "the polygon" : "the polyline";
}

class Encoder {
 public:
  Encoder(const OverviewMap& map, const MapTimestamp& made) : map_(map), made_(made) {}
  OverviewEncoding run();

 private:
  void prepare();
  std::string regions(const SubdivisionPlan& plan);
  void writeSubdivision(ByteSink& out, const Subdivision& subdivision);
  std::string levels(const SubdivisionPlan& plan) const;
  std::string subdivisions(const SubdivisionPlan& plan, std::uint32_t rgnSize) const;
  std::string typeList(ShapeKind kind) const;
  TreSections bounds() const;
  void problem(int line, const std::string& text) { result_.problems.push_back({line, text, true}); }

  const OverviewMap& map_;
  MapTimestamp made_;
  OverviewEncoding result_;
  LabelTable labels_;
  std::vector<PreparedShape> shapes_;
  std::vector<std::uint32_t> labelOffsets_;
  std::vector<std::map<int, PackedDeltas>> packed_;  // per shape, per level shown
  std::vector<std::uint32_t> rgnOffsets_;
};

void Encoder::prepare() {
  const std::size_t levelCount = map_.levelBits.size();
  for (const MapShape& shape : map_.shapes) {
    PreparedShape prepared = prepareShape(shape, levelCount);
    std::map<int, PackedDeltas> perLevel;
    for (int level = shape.firstLevel; level <= shape.lastLevel; ++level) {
      const int bits = map_.levelBits[static_cast<std::size_t>(level)];
      auto deltas = packDeltas(roundedPoints(prepared.points, bits), shiftOf(bits));
      if (!deltas) {
        problem(shape.line, shapeName(shape) + " has more points or wider steps than one record holds");
        break;
      }
      prepared.recordBytes[static_cast<std::size_t>(level)] = kRecordHead + deltas->bytes.size();
      perLevel.emplace(level, std::move(*deltas));
    }
    labelOffsets_.push_back(labels_.offsetOf(shape.label));
    if (labelOffsets_.back() > kLargestLabelOffset) problem(shape.line, "too many labels for one map");
    shapes_.push_back(std::move(prepared));
    packed_.push_back(std::move(perLevel));
  }
}

void Encoder::writeSubdivision(ByteSink& out, const Subdivision& subdivision) {
  const std::size_t start = out.size();
  const int bits = map_.levelBits[static_cast<std::size_t>(subdivision.level)];
  bool lines = false, areas = false;
  for (const std::size_t index : subdivision.shapes)
    (shapes_[index].source->kind == ShapeKind::Polygon ? areas : lines) = true;
  const std::size_t pointer = out.size();
  if (lines && areas) out.u16(0);
  for (const ShapeKind kind : {ShapeKind::Polyline, ShapeKind::Polygon}) {
    if (kind == ShapeKind::Polygon && lines && areas) out.u16At(pointer, static_cast<std::uint32_t>(out.size() - start));
    for (const std::size_t index : subdivision.shapes) {
      const PreparedShape& shape = shapes_[index];
      if (shape.source->kind != kind) continue;
      const MapPoint first{roundToBits(shape.points.front().lat, bits), roundToBits(shape.points.front().lon, bits)};
      out.bytes(shapeRecord(shape.source->type, labelOffsets_[index], first, subdivision.centre,
                            shiftOf(bits), packed_[index].at(subdivision.level)));
    }
  }
}

std::string Encoder::regions(const SubdivisionPlan& plan) {
  ByteSink out;
  for (const Subdivision& subdivision : plan.subdivisions) {
    rgnOffsets_.push_back(static_cast<std::uint32_t>(out.size()));
    writeSubdivision(out, subdivision);
  }
  if (out.size() > kLargestRgnOffset) problem(0, "the map holds more than 16 MB of shapes");
  return out.take();
}

std::string Encoder::levels(const SubdivisionPlan& plan) const {
  ByteSink out;
  const int top = static_cast<int>(map_.levelBits.size()) - 1;
  for (int level = top; level >= 0; --level) {
    out.u8(static_cast<std::uint32_t>(level) | (level == top ? kTopLevel : 0));
    out.u8(static_cast<std::uint32_t>(map_.levelBits[static_cast<std::size_t>(level)]));
    out.u16(static_cast<std::uint32_t>(plan.perLevel[static_cast<std::size_t>(level)]));
  }
  return out.take();
}

std::string Encoder::subdivisions(const SubdivisionPlan& plan, std::uint32_t rgnSize) const {
  ByteSink out;
  for (std::size_t i = 0; i < plan.subdivisions.size(); ++i) {
    const Subdivision& subdivision = plan.subdivisions[i];
    std::uint8_t kinds = 0;
    for (const std::size_t index : subdivision.shapes)
      kinds |= shapes_[index].source->kind == ShapeKind::Polygon ? kHasPolygons : kHasPolylines;
    out.u24(rgnOffsets_[i]).u8(kinds);
    out.u24(static_cast<std::uint32_t>(wrapUnits(subdivision.centre.lon)) & 0xFFFFFF);
    out.u24(static_cast<std::uint32_t>(wrapUnits(subdivision.centre.lat)) & 0xFFFFFF);
    out.u16(subdivision.halfWidth | (subdivision.lastOfParent ? 0x8000u : 0u));
    out.u16(subdivision.halfHeight);
    if (subdivision.level > 0) out.u16(subdivision.firstChild);
  }
  out.u32(rgnSize);  // where the last subdivision's shapes end
  return out.take();
}

std::string Encoder::typeList(ShapeKind kind) const {
  std::map<std::uint8_t, int> highest;
  for (const MapShape& shape : map_.shapes)
    if (shape.kind == kind) highest[shape.type] = std::max(highest[shape.type], shape.lastLevel);
  ByteSink out;
  for (const auto& [type, level] : highest) out.u8(type).u8(static_cast<std::uint32_t>(level));
  return out.take();
}

TreSections Encoder::bounds() const {
  std::int64_t south = INT64_MAX, west = INT64_MAX, north = INT64_MIN, east = INT64_MIN;
  for (const PreparedShape& shape : shapes_) {
    south = std::min<std::int64_t>(south, shape.low.lat);
    west = std::min<std::int64_t>(west, shape.low.lon);
    north = std::max<std::int64_t>(north, shape.high.lat);
    east = std::max<std::int64_t>(east, shape.high.lon);
  }
  if (east - west >= kFullCircle) {
    west = -kHalfCircle;
    east = kHalfCircle - 1;
  }
  TreSections sections;
  sections.north = static_cast<std::int32_t>(north);
  sections.south = static_cast<std::int32_t>(south);
  sections.west = wrapUnits(west);
  sections.east = wrapUnits(east);
  return sections;
}

OverviewEncoding Encoder::run() {
  prepare();
  const SubdivisionPlan plan = planSubdivisions(shapes_, map_.levelBits);
  result_.problems.insert(result_.problems.end(), plan.problems.begin(), plan.problems.end());
  if (!result_.problems.empty()) return std::move(result_);
  const std::string data = regions(plan);
  if (plan.subdivisions.size() > 0xFFFF) problem(0, "the map needs more than 65535 subdivisions");
  if (!result_.problems.empty()) return std::move(result_);
  TreSections sections = bounds();
  sections.mapNumber = map_.mapNumber;
  sections.levels = levels(plan);
  sections.subdivisions = subdivisions(plan, static_cast<std::uint32_t>(data.size()));
  sections.polylineTypes = typeList(ShapeKind::Polyline);
  sections.polygonTypes = typeList(ShapeKind::Polygon);
  result_.subfiles = OverviewSubfiles{treFile(sections, made_), rgnFile(data, made_),
                                      lblFile(labels_.text(), map_.codePage, made_)};
  return std::move(result_);
}

}  // namespace

OverviewEncoding encodeOverview(const OverviewMap& map, const MapTimestamp& made) {
  if (map.levelBits.empty() || map.shapes.empty()) return {std::nullopt, {{0, "the map has no level or no shape", true}}};
  return Encoder(map, made).run();
}

}  // namespace mapsetdesk
