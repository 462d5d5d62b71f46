#pragma once
// What a map tile's TRE header says about it: its map number and its bounds.
// Only the first kTreFactsBytes of the subfile are needed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mapsetdesk {

// In map units: 2^24 to the full circle, as IMG and TDB files keep them.
struct MapBounds {
  std::int32_t north = 0;
  std::int32_t east = 0;
  std::int32_t south = 0;
  std::int32_t west = 0;

  bool operator==(const MapBounds&) const = default;
};

// The smallest bounds holding both.
MapBounds around(const MapBounds& a, const MapBounds& b);

struct TreFacts {
  std::uint32_t mapNumber = 0;
  MapBounds bounds;
};

inline constexpr std::size_t kTreFactsBytes = 0x78;

// From the start of a TRE subfile named subfileName (e.g. "63240001");
// nullopt when it holds no TRE header. The number comes from the header's
// map ID when the header has one, else from the subfile's name when that is
// all digits.
std::optional<TreFacts> readTreFacts(std::string_view treStart, std::string_view subfileName);

}  // namespace mapsetdesk
