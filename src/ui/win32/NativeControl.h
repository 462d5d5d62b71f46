#pragma once
// One control model and the native control that shows it. The native side
// remembers what it shows, so that mirroring the model changes only what
// differs and a person's typing or scrolling is not undone.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui::win32 {

struct NativeControl {
  Control* model = nullptr;
  HWND hwnd = nullptr;  // none for a menu entry
  int id = 0;

  std::string text;
  std::vector<std::string> items;
  std::vector<int> selection;
  int top = -1;
  int value = -1;
  bool enabled = true;
  bool visible = false;
  std::string tip;
  Rect rect{-1, -1, -1, -1};
  std::optional<Color> back;
  int picture = -1;
  // A list's last double-click fell on one of its rows.
  bool doubleClickOnRow = false;
};

// Creates the native control for the model, hidden; nullptr for a menu entry.
HWND createNative(HWND parent, const Control& model, int id);

// Brings the native control in line with its model.
void mirror(NativeControl& native, UINT dpi, HWND tooltip);

// The control shows in another font: its place and its rows' widths are
// measured again.
void fontChanged(NativeControl& native, UINT dpi);

// Reads the person's choice in a native list into the model, raising Click.
void readListChoice(NativeControl& native);

}  // namespace mapsetdesk::ui::win32
