#include "ui/forms/controls/CheckBox.h"

namespace mapsetdesk::ui {

void CheckBox::setValue(bool value) {
  if (value == value_) return;
  value_ = value;
  fire(onClick);
}

}  // namespace mapsetdesk::ui
