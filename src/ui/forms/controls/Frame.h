#pragma once
// A captioned box around other controls: hiding or disabling it hides or
// disables everything inside.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class Frame : public Control {
 public:
  Frame(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Frame) {}
  std::string caption;
};

}  // namespace mapsetdesk::ui
