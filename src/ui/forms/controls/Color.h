#pragma once
// A colour as red, green and blue parts, each 0-255.
#include <cstdint>

namespace mapsetdesk::ui {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Color&) const = default;
};

}  // namespace mapsetdesk::ui
