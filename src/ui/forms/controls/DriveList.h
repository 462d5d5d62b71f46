#pragma once
// A drive list: the roots of the file system (drive letters on Windows) to
// choose from. A change of the chosen drive raises Change.
#include <string>

#include "ui/forms/controls/ListBox.h"

namespace mapsetdesk::ui {

class DriveList : public ListBox {
 public:
  // Lists the roots of this machine.
  DriveList(Form& form, std::string name);

  // The chosen root, empty before one is chosen.
  const std::string& drive() const { return drive_; }
  // A root this list does not hold is refused.
  bool setDrive(const std::string& drive);

  Handler onChange;

 private:
  std::string drive_;
};

}  // namespace mapsetdesk::ui
