#include "formats/SubdivisionPlan.h"

#include <algorithm>

#include "formats/MapUnits.h"

namespace mapsetdesk {
namespace {

struct Box {
  MapPoint centre;
  std::uint32_t halfWidth = 0, halfHeight = 0;
};

// The members are every shape that this subdivision or one below it shows.
struct Node {
  Subdivision subdivision;
  std::vector<std::size_t> members;
};

class Planner {
 public:
  Planner(const std::vector<PreparedShape>& shapes, const std::vector<int>& levelBits,
          const SubdivisionLimits& limits)
      : shapes_(shapes), bits_(levelBits), limits_(limits) {}

  SubdivisionPlan run();

 private:
  Box boxOf(const std::vector<std::size_t>& members, int level) const;
  bool fits(const std::vector<std::size_t>& members, int level) const;
  void split(std::vector<std::size_t> members, int level, std::vector<Node>& out);
  Node makeNode(std::vector<std::size_t> members, int level) const;
  std::vector<Node> childrenOf(const Node& parent, int level);

  const std::vector<PreparedShape>& shapes_;
  const std::vector<int>& bits_;
  SubdivisionLimits limits_;
  std::vector<MapNote> problems_;
};

Box Planner::boxOf(const std::vector<std::size_t>& members, int level) const {
  const int bits = bits_[static_cast<std::size_t>(level)];
  std::int64_t south = INT64_MAX, west = INT64_MAX, north = INT64_MIN, east = INT64_MIN;
  for (const std::size_t index : members) {
    const PreparedShape& shape = shapes_[index];
    south = std::min<std::int64_t>(south, roundToBits(shape.low.lat, bits));
    west = std::min<std::int64_t>(west, roundToBits(shape.low.lon, bits));
    north = std::max<std::int64_t>(north, roundToBits(shape.high.lat, bits));
    east = std::max<std::int64_t>(east, roundToBits(shape.high.lon, bits));
  }
  const int shift = shiftOf(bits);
  Box box;
  box.centre = {roundToBits(static_cast<std::int32_t>((south + north) / 2), bits),
                roundToBits(static_cast<std::int32_t>((west + east) / 2), bits)};
  box.halfWidth = static_cast<std::uint32_t>(std::max(box.centre.lon - west, east - box.centre.lon) >> shift);
  box.halfHeight = static_cast<std::uint32_t>(std::max(box.centre.lat - south, north - box.centre.lat) >> shift);
  return box;
}

bool Planner::fits(const std::vector<std::size_t>& members, int level) const {
  std::size_t shown = 0, bytes = 0;
  for (const std::size_t index : members) {
    const std::size_t record = shapes_[index].recordBytes[static_cast<std::size_t>(level)];
    shown += record > 0 ? 1 : 0;
    bytes += record;
  }
  const Box box = boxOf(members, level);
  return shown <= limits_.shapes && bytes <= limits_.bytes && box.halfWidth <= limits_.half &&
         box.halfHeight <= limits_.half;
}

Node Planner::makeNode(std::vector<std::size_t> members, int level) const {
  Node node;
  const Box box = boxOf(members, level);
  node.subdivision.level = level;
  node.subdivision.centre = box.centre;
  node.subdivision.halfWidth = std::min(box.halfWidth, limits_.half);
  node.subdivision.halfHeight = std::min(box.halfHeight, limits_.half);
  for (const std::size_t index : members)
    if (shapes_[index].shownAt(level)) node.subdivision.shapes.push_back(index);
  node.members = std::move(members);
  return node;
}

void Planner::split(std::vector<std::size_t> members, int level, std::vector<Node>& out) {
  if (members.size() == 1 || fits(members, level)) {
    if (!fits(members, level)) {
      const MapShape& shape = *shapes_[members.front()].source;
      problems_.push_back({shape.line, std::string(shape.kind == ShapeKind::Polygon ? "the polygon" : "the polyline") +
                                           " is larger than one subdivision of level " + std::to_string(level) +
                                           " can hold",
                           true});
    }
    out.push_back(makeNode(std::move(members), level));
    return;
  }
  const Box box = boxOf(members, level);
  const bool alongLongitude = box.halfWidth >= box.halfHeight;
  const auto middle = members.begin() + static_cast<std::ptrdiff_t>(members.size() / 2);
  std::nth_element(members.begin(), middle, members.end(), [&](std::size_t a, std::size_t b) {
    const PreparedShape& left = shapes_[a];
    const PreparedShape& right = shapes_[b];
    if (alongLongitude)
      return std::int64_t{left.low.lon} + left.high.lon < std::int64_t{right.low.lon} + right.high.lon;
    return std::int64_t{left.low.lat} + left.high.lat < std::int64_t{right.low.lat} + right.high.lat;
  });
  split(std::vector<std::size_t>(members.begin(), middle), level, out);
  split(std::vector<std::size_t>(middle, members.end()), level, out);
}

std::vector<Node> Planner::childrenOf(const Node& parent, int level) {
  std::vector<std::size_t> members;
  for (const std::size_t index : parent.members)
    if (shapes_[index].source->firstLevel <= level) members.push_back(index);
  std::vector<Node> children;
  if (!members.empty()) {
    split(std::move(members), level, children);
    return children;
  }
  // Nothing below: an empty child over the parent's area keeps the levels whole.
  Node empty;
  empty.subdivision.level = level;
  const int bits = bits_[static_cast<std::size_t>(level)];
  const int finer = bits - bits_[static_cast<std::size_t>(level + 1)];
  empty.subdivision.centre = {roundToBits(parent.subdivision.centre.lat, bits),
                              roundToBits(parent.subdivision.centre.lon, bits)};
  empty.subdivision.halfWidth = std::min<std::uint64_t>(std::uint64_t{parent.subdivision.halfWidth} << finer, limits_.half);
  empty.subdivision.halfHeight = std::min<std::uint64_t>(std::uint64_t{parent.subdivision.halfHeight} << finer, limits_.half);
  children.push_back(std::move(empty));
  return children;
}

SubdivisionPlan Planner::run() {
  SubdivisionPlan plan;
  const int top = static_cast<int>(bits_.size()) - 1;
  plan.perLevel.assign(bits_.size(), 0);
  std::vector<std::size_t> all(shapes_.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  std::vector<Node> level;
  split(std::move(all), top, level);
  level.back().subdivision.lastOfParent = true;
  for (int current = top; current >= 0; --current) {
    std::vector<Node> below;
    for (Node& node : level) {
      if (current > 0) {
        std::vector<Node> children = childrenOf(node, current - 1);
        children.back().subdivision.lastOfParent = true;
        node.subdivision.firstChild =
            static_cast<std::uint32_t>(plan.subdivisions.size() + level.size() + below.size() + 1);
        for (Node& child : children) below.push_back(std::move(child));
      }
    }
    plan.perLevel[static_cast<std::size_t>(current)] = level.size();
    for (Node& node : level) plan.subdivisions.push_back(std::move(node.subdivision));
    level = std::move(below);
  }
  plan.problems = std::move(problems_);
  return plan;
}

}  // namespace

PreparedShape prepareShape(const MapShape& shape, std::size_t levelCount) {
  PreparedShape prepared;
  prepared.source = &shape;
  prepared.points = shape.points;
  for (std::size_t i = 1; i < prepared.points.size(); ++i) {
    // One turn at most: a line that circles the earth is not followed round.
    const std::int32_t step = prepared.points[i].lon - prepared.points[i - 1].lon;
    const std::int32_t turn = static_cast<std::int32_t>(kFullCircle);
    std::int32_t& lon = prepared.points[i].lon;
    if (step > kHalfCircle && lon - turn >= -turn) lon -= turn;
    if (step < -kHalfCircle && lon + turn <= turn) lon += turn;
  }
  prepared.low = prepared.high = prepared.points.front();
  for (const MapPoint& point : prepared.points) {
    prepared.low = {std::min(prepared.low.lat, point.lat), std::min(prepared.low.lon, point.lon)};
    prepared.high = {std::max(prepared.high.lat, point.lat), std::max(prepared.high.lon, point.lon)};
  }
  prepared.recordBytes.assign(levelCount, 0);
  return prepared;
}

SubdivisionPlan planSubdivisions(const std::vector<PreparedShape>& shapes,
                                 const std::vector<int>& levelBits, const SubdivisionLimits& limits) {
  return Planner(shapes, levelBits, limits).run();
}

}  // namespace mapsetdesk
