#pragma once
// A push button: a caption and, where the window colours it, a back colour
// that the skin paints.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class Button : public Control {
 public:
  Button(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Button) {}
  std::string caption;
};

}  // namespace mapsetdesk::ui
