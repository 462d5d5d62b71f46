#include "ui/forms/controls/WindowPlacement.h"

#include <algorithm>
#include <charconv>

namespace mapsetdesk::ui {
namespace {

// Window coordinates are 16-bit on every Windows.
constexpr int kLargestCoordinate = 32767;

std::optional<int> numberFrom(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::vector<std::string_view> fields(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t comma; (comma = text.find(',')) != std::string_view::npos;) {
    parts.push_back(text.substr(0, comma));
    text.remove_prefix(comma + 1);
  }
  parts.push_back(text);
  return parts;
}

bool within(const Rect& frame, const Rect& area) {
  return frame.left >= area.left && frame.top >= area.top &&
         frame.left + frame.width <= area.left + area.width &&
         frame.top + frame.height <= area.top + area.height;
}

}  // namespace

std::string placementText(const WindowPlacement& placement) {
  const Rect& frame = placement.frame;
  return std::to_string(frame.left) + "," + std::to_string(frame.top) + "," +
         std::to_string(frame.width) + "," + std::to_string(frame.height) + "," +
         (placement.maximized ? "1" : "0");
}

std::optional<WindowPlacement> placementFrom(std::string_view text) {
  const auto parts = fields(text);
  if (parts.size() != 5) return std::nullopt;
  std::vector<int> numbers;
  for (std::string_view part : parts) {
    const auto number = numberFrom(part);
    if (!number || *number < -kLargestCoordinate || *number > kLargestCoordinate)
      return std::nullopt;
    numbers.push_back(*number);
  }
  if (numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
  if (numbers[4] != 0 && numbers[4] != 1) return std::nullopt;
  return WindowPlacement{{numbers[0], numbers[1], numbers[2], numbers[3]}, numbers[4] == 1};
}

std::optional<Rect> restoredFrame(const WindowPlacement& placement, int minWidth, int minHeight,
                                  const std::vector<Rect>& workAreas) {
  Rect frame = placement.frame;
  frame.width = std::max(frame.width, minWidth);
  frame.height = std::max(frame.height, minHeight);
  for (const Rect& area : workAreas) {
    if (within(frame, area)) return frame;
  }
  return std::nullopt;
}

}  // namespace mapsetdesk::ui
