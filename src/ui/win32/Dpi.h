#pragma once
// Sizes are laid out at 96 dots per inch; a window on another monitor shows
// them scaled to that monitor's resolution.
#include <windows.h>

namespace mapsetdesk::ui::win32 {

// The resolution the window is shown at; the system's before Windows 10.
UINT dpiOf(HWND window);
inline int scaled(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), 96); }
// The system's message font at the given resolution. The caller deletes it.
HFONT messageFont(UINT dpi);

}  // namespace mapsetdesk::ui::win32
