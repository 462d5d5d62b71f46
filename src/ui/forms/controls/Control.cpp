#include "ui/forms/controls/Control.h"

#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Frame.h"

namespace mapsetdesk::ui {

Control::Control(Form& form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
  form_.add(*this);
}

bool Control::shown() const {
  if (!visible) return false;
  return container == nullptr || container->shown();
}

bool Control::usable() const {
  if (!enabled || !visible) return false;
  return container == nullptr || container->usable();
}

Rect Control::placed() const {
  return stretched(position, stretch, form_.growthX(), form_.growthY());
}

bool Control::takesFocus() const {
  switch (kind_) {
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::ProgressBar:
    case ControlKind::MenuItem:
      return false;
    default:
      return true;
  }
}

}  // namespace mapsetdesk::ui
