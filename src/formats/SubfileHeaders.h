#pragma once
// The headers of the overview map's subfiles. Each starts with Garmin's
// common header: its length, "GARMIN XXX", two version bytes and the time it
// was made.
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/ByteSink.h"
#include "formats/OverviewEncoder.h"

namespace mapsetdesk {

inline constexpr std::uint16_t kTreHeaderLength = 0x78;
inline constexpr std::uint16_t kRgnHeaderLength = 0x1D;
inline constexpr std::uint16_t kLblHeaderLength = 0xB0;
inline constexpr std::uint8_t kLabelFormat = 9;  // 8-bit text in the map's code page

void putCommonHeader(ByteSink& out, std::uint16_t length, std::string_view kind,
                     const MapTimestamp& made);

struct TreSections {
  std::int32_t north = 0, east = 0, south = 0, west = 0;  // wrapped map units
  std::uint32_t mapNumber = 0;
  std::string levels, subdivisions, polylineTypes, polygonTypes;
};
std::string treFile(const TreSections& sections, const MapTimestamp& made);

std::string rgnFile(std::string_view data, const MapTimestamp& made);

std::string lblFile(std::string_view labels, std::uint16_t codePage, const MapTimestamp& made);

}  // namespace mapsetdesk
