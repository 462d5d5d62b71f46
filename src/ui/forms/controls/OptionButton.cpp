#include "ui/forms/controls/OptionButton.h"

#include "ui/forms/controls/Form.h"

namespace mapsetdesk::ui {

void OptionButton::setValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (!value) return;
  for (Control* other : form().controls()) {
    if (other != this && other->kind() == ControlKind::OptionButton &&
        other->container == container) {
      static_cast<OptionButton*>(other)->value_ = false;
    }
  }
  fire(onClick);
}

}  // namespace mapsetdesk::ui
