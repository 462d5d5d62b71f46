#pragma once
// Text on the form that a person reads and may click.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class Label : public Control {
 public:
  Label(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Label) {}
  std::string caption;
};

}  // namespace mapsetdesk::ui
