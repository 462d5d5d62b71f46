#pragma once
// Where a control sits on its form, in pixels at 96 dots per inch; the skin
// scales to the monitor's resolution.
namespace mapsetdesk::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

}  // namespace mapsetdesk::ui
