#pragma once
// Where a person left a window on the screen: its frame in screen pixels as
// it last stood neither maximized nor minimized, and whether it was
// maximized. The settings keep it as text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/forms/controls/Geometry.h"

namespace mapsetdesk::ui {

struct WindowPlacement {
  Rect frame;
  bool maximized = false;
  bool operator==(const WindowPlacement&) const = default;
};

// "left,top,width,height,maximized", maximized 0 or 1.
std::string placementText(const WindowPlacement& placement);
// None for a text that is no placement or names a size no screen has.
std::optional<WindowPlacement> placementFrom(std::string_view text);

// The frame to open the window in: the one it was left in, made at least
// minWidth by minHeight, when that lies wholly inside one of the screens'
// work areas; none when it does not fit the screens there are now.
std::optional<Rect> restoredFrame(const WindowPlacement& placement, int minWidth, int minHeight,
                                  const std::vector<Rect>& workAreas);

}  // namespace mapsetdesk::ui
