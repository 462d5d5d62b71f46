#include "ui/forms/controls/DriveList.h"

#include <algorithm>

#include "platform/Drives.h"

namespace mapsetdesk::ui {

DriveList::DriveList(Form& form, std::string name)
    : ListBox(form, std::move(name), ControlKind::DriveList) {
  setItems(driveRoots());
}

bool DriveList::setDrive(const std::string& drive) {
  const auto found = std::find(items().begin(), items().end(), drive);
  if (found == items().end()) return false;
  setSelected(static_cast<int>(found - items().begin()), true);
  if (drive == drive_) return true;
  drive_ = drive;
  fire(onChange);
  return true;
}

}  // namespace mapsetdesk::ui
