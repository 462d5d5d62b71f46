#pragma once
// A bar that shows how far long work has come, value from minimum to maximum.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, std::string name)
      : Control(form, std::move(name), ControlKind::ProgressBar) {}
  int minimum = 0;
  int maximum = 100;
  int value = 0;
};

}  // namespace mapsetdesk::ui
