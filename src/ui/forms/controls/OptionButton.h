#pragma once
// One choice of a group: the option buttons in the same frame (or all those
// outside any frame) exclude each other. Choosing one from code raises Click
// just as a person's click does. An option button may show a picture instead
// of its caption; picture numbers are the window's, drawn by the skin.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name)
      : Control(form, std::move(name), ControlKind::OptionButton) {}
  std::string caption;
  int picture = 0;  // 0: the caption is shown
  bool value() const { return value_; }
  // Choosing clears the other buttons of the group; clearing one directly
  // leaves the others as they are. Click is raised when it becomes chosen.
  void setValue(bool value);

 private:
  bool value_ = false;
};

}  // namespace mapsetdesk::ui
