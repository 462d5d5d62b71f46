#include "ui/forms/controls/Caption.h"

#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/CheckBox.h"
#include "ui/forms/controls/Frame.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/MenuItem.h"
#include "ui/forms/controls/OptionButton.h"

namespace mapsetdesk::ui {
namespace {

// The caption field of a control, or none.
std::string* captionField(Control& control) {
  switch (control.kind()) {
    case ControlKind::Button:
      return &static_cast<Button&>(control).caption;
    case ControlKind::Label:
      return &static_cast<Label&>(control).caption;
    case ControlKind::Frame:
      return &static_cast<Frame&>(control).caption;
    case ControlKind::CheckBox:
      return &static_cast<CheckBox&>(control).caption;
    case ControlKind::OptionButton:
      return &static_cast<OptionButton&>(control).caption;
    case ControlKind::MenuItem:
      return &static_cast<MenuItem&>(control).caption;
    default:
      return nullptr;
  }
}

}  // namespace

std::optional<std::string> captionOf(const Control& control) {
  const std::string* field = captionField(const_cast<Control&>(control));
  if (field == nullptr) return std::nullopt;
  return *field;
}

bool setCaption(Control& control, std::string caption) {
  std::string* field = captionField(control);
  if (field == nullptr) return false;
  *field = std::move(caption);
  return true;
}

}  // namespace mapsetdesk::ui
