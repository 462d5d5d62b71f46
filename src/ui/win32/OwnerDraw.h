#pragma once
// The controls the skin paints itself: buttons in their back colour, and the
// option buttons that show a picture instead of a plain round mark.
#include <windows.h>

#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui::win32 {

void drawControl(const Control& model, const DRAWITEMSTRUCT& item, UINT dpi);

}  // namespace mapsetdesk::ui::win32
