#include "catalogue/IdNumber.h"

#include "platform/Blanks.h"

namespace mapsetdesk {
namespace {

constexpr unsigned long kHighestId = 0xFFFF;

struct Reading {
  IdFault fault = IdFault::NotANumber;
  unsigned long value = 0;  // stops growing past kHighestId
};

Reading readDigits(std::string_view text) {
  const std::string_view digits = trimBlanks(text);
  Reading reading;
  if (digits.empty()) return reading;
  for (const char c : digits) {
    if (c < '0' || c > '9') return {IdFault::NotANumber, 0};
    if (reading.value <= kHighestId)
      reading.value = reading.value * 10 + static_cast<unsigned long>(c - '0');
  }
  reading.fault = reading.value == 0           ? IdFault::Zero
                  : reading.value > kHighestId ? IdFault::TooBig
                                               : IdFault::None;
  return reading;
}

}  // namespace

IdFault idFault(std::string_view text) { return readDigits(text).fault; }

std::optional<std::uint16_t> idFromText(std::string_view text) {
  const Reading reading = readDigits(text);
  if (reading.fault != IdFault::None) return std::nullopt;
  return static_cast<std::uint16_t>(reading.value);
}

}  // namespace mapsetdesk
