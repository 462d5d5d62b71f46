#pragma once
// The latitude at which Garmin's desktop programs draw one map with the least
// distortion: a DWORD "ProjectionAngle" of whole degrees in the current
// user's key of that map, named by FID × 65536 + PID in decimal. Without the
// value the desktop program chooses the latitude itself ("automatic").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace mapsetdesk {

inline constexpr std::string_view kProductsSettingsKey =
    "Software\\Garmin\\SharedSettings\\Products\\";
inline constexpr std::string_view kProjectionAngle = "ProjectionAngle";
inline constexpr double kLowestLatitude = 5;
inline constexpr double kHighestLatitude = 85;
// FID and PID are 16-bit numbers; a larger one would name another map's key.
inline constexpr std::uint64_t kLargestMapId = 0xFFFF;

// What a FID or PID field keeps: decimal digits only, or nothing.
bool isDecimalEntry(std::string_view text);

enum class MapIdFault { None, WrongPid, WrongFid };

struct MapId {
  MapIdFault fault = MapIdFault::None;
  std::uint64_t number = 0;  // FID × 65536 + PID, when there is no fault
};

// The PID is checked first: empty, zero or above 65535 is a wrong PID; then
// an empty FID or one above 65535 is a wrong FID.
MapId mapIdFor(std::string_view fid, std::string_view pid);

// HKEY_CURRENT_USER key of the map's settings.
std::string latitudeKey(std::uint64_t number);

enum class LatitudeEntryKind { Empty, NotANumber, OutOfRange, Degrees };

struct LatitudeEntry {
  LatitudeEntryKind kind = LatitudeEntryKind::Empty;
  std::uint32_t degrees = 0;  // rounded to the nearest whole degree
};

// A number of degrees from 5 to 85 inclusive, with a fractional part after
// "." or ",", blanks around it and a "°" after it allowed (the field shows
// the stored value so).
LatitudeEntry readLatitudeEntry(std::string_view text);

// The stored degrees; none when the key cannot be opened or holds no DWORD.
std::optional<std::uint32_t> storedLatitude(Registry& registry, const std::string& key);
// Creates the key and stores the value; true when it reads back as stored.
bool storeLatitude(Registry& registry, const std::string& key, std::uint32_t degrees);
// Deletes the value, then the key, as long as the key holds nothing else: no
// other value and no subkey of Garmin's is lost.
void removeLatitude(Registry& registry, const std::string& key);

}  // namespace mapsetdesk
