#pragma once
// An entry of the form's menu bar, or of the menu below another entry.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class MenuItem : public Control {
 public:
  MenuItem(Form& form, std::string name, MenuItem* parent = nullptr)
      : Control(form, std::move(name), ControlKind::MenuItem), parent_(parent) {}
  MenuItem* parent() const { return parent_; }
  std::string caption;
  bool checked = false;

 private:
  MenuItem* parent_;
};

}  // namespace mapsetdesk::ui
