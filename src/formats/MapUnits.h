#pragma once
// Garmin map units: a full circle is 2^24 units, so a coordinate is a signed
// 24-bit number (longitude 180 degrees wraps to -180). A map level of b bits
// keeps coordinates to multiples of 2^(24-b) units.
#include <cmath>
#include <cstdint>

namespace mapsetdesk {

inline constexpr int kFullBits = 24;
inline constexpr std::int32_t kHalfCircle = 1 << 23;
inline constexpr std::int64_t kFullCircle = std::int64_t{1} << 24;

inline std::int32_t unitsFromDegrees(double degrees) {
  return static_cast<std::int32_t>(std::lround(degrees * static_cast<double>(kFullCircle) / 360.0));
}

// Into -2^23 .. 2^23-1, the range a 24-bit field holds.
inline std::int32_t wrapUnits(std::int64_t units) {
  const std::int64_t shifted = ((units + kHalfCircle) % kFullCircle + kFullCircle) % kFullCircle;
  return static_cast<std::int32_t>(shifted - kHalfCircle);
}

inline int shiftOf(int bits) { return kFullBits - bits; }

// To the nearest multiple of 2^(24-bits); halves go up, as Garmin's compilers round.
inline std::int32_t roundToBits(std::int32_t units, int bits) {
  const int shift = shiftOf(bits);
  if (shift <= 0) return units;
  const std::int64_t step = std::int64_t{1} << shift;
  const std::int64_t up = static_cast<std::int64_t>(units) + step / 2;
  return static_cast<std::int32_t>(up - (((up % step) + step) % step));
}

}  // namespace mapsetdesk
