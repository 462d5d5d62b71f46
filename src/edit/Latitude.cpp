#include "edit/Latitude.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "platform/Blanks.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number too large for 64 bits is certainly above every limit here.
std::uint64_t decimalValue(std::string_view digits) {
  std::uint64_t value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return result.ec == std::errc() ? value : UINT64_MAX;
}

bool isMapId(std::string_view text) {
  return !text.empty() && isDecimalEntry(text) && decimalValue(text) <= kLargestMapId;
}

// Digits with at most one "." or "," among them.
std::optional<double> fixedNumber(std::string_view text) {
  std::string plain(text);
  std::replace(plain.begin(), plain.end(), ',', '.');
  const auto digits = std::count_if(plain.begin(), plain.end(), isDigit);
  const auto points = std::count(plain.begin(), plain.end(), '.');
  if (digits == 0 || points > 1 || digits + points != static_cast<std::ptrdiff_t>(plain.size()))
    return std::nullopt;
  double value = 0;
  const auto result =
      std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace

bool isDecimalEntry(std::string_view text) {
  return std::all_of(text.begin(), text.end(), isDigit);
}

MapId mapIdFor(std::string_view fid, std::string_view pid) {
  if (!isMapId(pid) || decimalValue(pid) == 0) return {MapIdFault::WrongPid, 0};
  if (!isMapId(fid)) return {MapIdFault::WrongFid, 0};
  return {MapIdFault::None, decimalValue(fid) * 65536 + decimalValue(pid)};
}

std::string latitudeKey(std::uint64_t number) {
  return std::string(kProductsSettingsKey) + std::to_string(number);
}

LatitudeEntry readLatitudeEntry(std::string_view text) {
  text = trimBlanks(text);
  if (text.empty()) return {};
  if (text.ends_with(kDegreeSign))
    text = trimBlanks(text.substr(0, text.size() - kDegreeSign.size()));
  const auto value = fixedNumber(text);
  if (!value) return {LatitudeEntryKind::NotANumber, 0};
  if (*value < kLowestLatitude || *value > kHighestLatitude)
    return {LatitudeEntryKind::OutOfRange, 0};
  return {LatitudeEntryKind::Degrees, static_cast<std::uint32_t>(std::lround(*value))};
}

std::optional<std::uint32_t> storedLatitude(Registry& registry, const std::string& key) {
  return fDwordLesen(registry, Root::CurrentUser, key, std::string(kProjectionAngle));
}

bool storeLatitude(Registry& registry, const std::string& key, std::uint32_t degrees) {
  registry.createKey(Root::CurrentUser, key);
  fDwordSpeichern(registry, Root::CurrentUser, key, std::string(kProjectionAngle), degrees);
  return storedLatitude(registry, key) == degrees;
}

void removeLatitude(Registry& registry, const std::string& key) {
  if (!registry.canOpen(Root::CurrentUser, key)) return;
  registry.deleteValue(Root::CurrentUser, key, std::string(kProjectionAngle));
  if (registry.values(Root::CurrentUser, key).empty() &&
      registry.subkeyNames(Root::CurrentUser, key).empty())
    registry.deleteKey(Root::CurrentUser, key);
}

}  // namespace mapsetdesk
