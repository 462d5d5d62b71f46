#include "support/FormDriver.h"

#include <gtest/gtest.h>

#include "ui/forms/controls/CheckBox.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/MenuItem.h"
#include "ui/forms/controls/OptionButton.h"

namespace mapsetdesk::testing {
namespace {

bool menuReachable(const ui::Control& control) {
  if (control.kind() != ui::ControlKind::MenuItem) return true;
  for (auto* up = static_cast<const ui::MenuItem&>(control).parent(); up; up = up->parent()) {
    if (!up->usable()) return false;
  }
  return true;
}

bool reachable(const ui::Control& control, const char* action, bool needsEnabled = true) {
  const char* why = nullptr;
  if (!control.form().visible()) {
    why = "its window is not shown";
  } else if (!control.shown()) {
    why = "it is hidden";
  } else if (needsEnabled && (!control.usable() || !menuReachable(control))) {
    why = "it is disabled";
  }
  if (why == nullptr) return true;
  ADD_FAILURE() << "cannot " << action << ' ' << control.name() << ": " << why;
  return false;
}

bool takeFocus(ui::Control& control) {
  if (!control.takesFocus()) return true;
  if (control.form().moveFocus(&control)) return true;
  ADD_FAILURE() << control.form().focused()->name() << " kept the focus from "
                << control.name();
  return false;
}

bool validRow(const ui::ListBox& list, int row) {
  if (row >= 0 && row < list.count()) return true;
  ADD_FAILURE() << list.name() << " has no row " << row << " (rows: " << list.count() << ')';
  return false;
}

}  // namespace

bool click(ui::Control& control) {
  if (!reachable(control, "click") || !takeFocus(control)) return false;
  switch (control.kind()) {
    case ui::ControlKind::CheckBox: {
      auto& box = static_cast<ui::CheckBox&>(control);
      box.setValue(!box.value());
      break;
    }
    case ui::ControlKind::OptionButton:
      static_cast<ui::OptionButton&>(control).setValue(true);
      break;
    default:
      ui::fire(control.onClick);
  }
  return true;
}

bool click(ui::ListBox& list, int row) {
  if (!reachable(list, "click") || !validRow(list, row) || !takeFocus(list)) return false;
  list.setListIndex(row);
  return true;
}

bool dblClick(ui::ListBox& list, int row) {
  if (!click(list, row)) return false;
  if (list.kind() == ui::ControlKind::DirList) static_cast<ui::DirList&>(list).open(row);
  ui::fire(list.onDblClick);
  return true;
}

bool dblClickNoRow(ui::ListBox& list) {
  if (!reachable(list, "double-click") || !takeFocus(list)) return false;
  list.setListIndex(-1);
  ui::fire(list.onDblClick);
  return true;
}

bool type(ui::TextBox& field, const std::string& text) {
  if (!reachable(field, "type into") || !takeFocus(field)) return false;
  if (field.locked) {
    ADD_FAILURE() << "cannot type into " << field.name() << ": it is read-only";
    return false;
  }
  field.setText(text);
  return true;
}

bool focus(ui::Control& control) {
  return reachable(control, "focus") && takeFocus(control);
}

bool leave(ui::Control& control) {
  if (control.form().focused() != &control) {
    ADD_FAILURE() << "cannot leave " << control.name() << ": it does not have the focus";
    return false;
  }
  return control.form().moveFocus(nullptr);
}

bool keyEnter(ui::Control& control) {
  if (!focus(control)) return false;
  ui::fire(control.onKeyEnter);
  return true;
}

bool mouseMove(ui::Control& control) {
  if (!reachable(control, "move the mouse over")) return false;
  control.form().pointerMoved(control);
  return true;
}

void mouseLeave(ui::Control& control) { control.form().pointerLeft(control); }

bool drop(ui::Control& control, const std::vector<std::string>& files) {
  if (!reachable(control, "drop onto")) return false;
  if (control.onDrop) control.onDrop(files);
  return true;
}

bool choose(ui::DirList& folders, const std::string& folder) {
  if (!reachable(folders, "choose a folder in") || !takeFocus(folders)) return false;
  if (folders.setPath(folder)) return true;
  ADD_FAILURE() << folders.name() << " cannot open " << folder;
  return false;
}

bool choose(ui::DriveList& drives, const std::string& drive) {
  if (!reachable(drives, "choose a drive in") || !takeFocus(drives)) return false;
  if (drives.setDrive(drive)) return true;
  ADD_FAILURE() << drives.name() << " has no drive " << drive;
  return false;
}

bool scroll(ui::ListBox& list, int topRow) {
  if (!reachable(list, "scroll", false)) return false;
  list.setTopIndex(topRow);
  ui::fire(list.onScroll);
  return true;
}

}  // namespace mapsetdesk::testing
