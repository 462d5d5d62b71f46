#include "ui/forms/controls/Geometry.h"

namespace mapsetdesk::ui {
namespace {

// Edges that share a percentage move alike, so neighbours keep their gap.
int share(int percent, int growth) { return percent * growth / 100; }

}  // namespace

Rect stretched(const Rect& designed, const Stretch& stretch, int growthX, int growthY) {
  const int left = designed.left + share(stretch.left, growthX);
  const int top = designed.top + share(stretch.top, growthY);
  const int right = designed.left + designed.width + share(stretch.right, growthX);
  const int bottom = designed.top + designed.height + share(stretch.bottom, growthY);
  return {left, top, right - left, bottom - top};
}

}  // namespace mapsetdesk::ui
