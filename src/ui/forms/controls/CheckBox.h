#pragma once
// A box a person ticks. Changing the value from code raises Click just as a
// person's click does.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::CheckBox) {}
  std::string caption;
  bool value() const { return value_; }
  void setValue(bool value);

 private:
  bool value_ = false;
};

}  // namespace mapsetdesk::ui
