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

// How a control follows a window sized beyond its designed size: each edge
// moves by its share, in percent, of what the window grew. Equal shares keep
// the control's size and move it; a right share above the left one widens it.
// The default keeps the control where it was designed.
struct Stretch {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const Stretch&) const = default;
};

// The designed place of a control in a window grown by growthX and growthY.
Rect stretched(const Rect& designed, const Stretch& stretch, int growthX, int growthY);

}  // namespace mapsetdesk::ui
