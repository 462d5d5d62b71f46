#include "formats/ShapeRecord.h"

#include <gtest/gtest.h>

#include "formats/MapUnits.h"

namespace mapsetdesk::testing {
namespace {

using Steps = std::vector<std::pair<std::int32_t, std::int32_t>>;

// Points from (0,0) by the given steps in units of a level of 24 - shift bits.
std::vector<MapPoint> walk(const Steps& steps, int shift = 4) {
  std::vector<MapPoint> points{{0, 0}};
  for (const auto& [lat, lon] : steps)
    points.push_back({points.back().lat + (lat << shift), points.back().lon + (lon << shift)});
  return points;
}

std::vector<MapPoint> throughRecord(const std::vector<MapPoint>& points, ShapeKind kind, int shift = 4) {
  const auto packed = packDeltas(points, shift);
  if (!packed) return {};
  const MapPoint centre{-5 << shift, 7 << shift};
  const std::string record = shapeRecord(0x1F, 0x1234, points.front(), centre, shift, *packed);
  ByteReader reader(record);
  const auto decoded = readShapeRecord(reader, kind, centre, shift);
  if (!decoded) return {};
  EXPECT_EQ(reader.remaining(), 0u);
  EXPECT_EQ(decoded->type, 0x1F);
  EXPECT_EQ(decoded->labelOffset, 0x1234u);
  return decoded->points;
}

TEST(ShapeRecord, StepsAtEveryBitWidthAndBothSignModesComeBack) {
  for (int bits = 0; bits <= 22; ++bits) {
    const std::int32_t below = (1 << bits) - 1, at = 1 << bits;
    for (const Steps& steps : std::vector<Steps>{
             {{below, at}, {at, below}},            // one sign
             {{-below, -at}, {-at, -below}},        // the other sign
             {{below, -at}, {-at, below}, {1, 1}},  // mixed signs
         }) {
      const std::vector<MapPoint> points = walk(steps, 0);
      EXPECT_EQ(throughRecord(points, ShapeKind::Polyline, 0), points) << "width " << bits;
      EXPECT_EQ(throughRecord(points, ShapeKind::Polygon, 0), points) << "width " << bits;
    }
  }
}

TEST(ShapeRecord, ThePaddingOfTheLastByteNeverReadsAsAPoint) {
  for (std::size_t count = 1; count <= 24; ++count) {
    Steps steps;
    for (std::size_t i = 0; i < count; ++i) steps.emplace_back(i % 2 ? 1 : 0, 0);
    const std::vector<MapPoint> points = walk(steps);
    EXPECT_EQ(throughRecord(points, ShapeKind::Polygon), points) << count << " steps";
  }
}

TEST(ShapeRecord, ALongStreamTakesATwoByteLength) {
  const Steps steps(400, {1000, -1000});
  const auto packed = packDeltas(walk(steps), 4);
  ASSERT_TRUE(packed);
  EXPECT_TRUE(packed->longLength);
  EXPECT_EQ(throughRecord(walk(steps), ShapeKind::Polygon), walk(steps));
}

TEST(ShapeRecord, AStepBeyondTwentyThreeBitsCannotBePacked) {
  EXPECT_FALSE(packDeltas(walk({{1 << 23, 0}}, 0), 0));
  EXPECT_TRUE(packDeltas(walk({{(1 << 23) - 1, 0}}, 0), 0));
}

}  // namespace
}  // namespace mapsetdesk::testing
