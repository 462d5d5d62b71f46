#pragma once
// A field a person types into, one line or many. Setting the text from code
// raises Change just as typing does, so a window reacts alike to both.
#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, bool multiLine = false)
      : Control(form, std::move(name), ControlKind::TextBox), multiLine_(multiLine) {}

  const std::string& text() const { return text_; }
  void setText(std::string text);
  bool multiLine() const { return multiLine_; }

  bool locked = false;  // read-only for the person, still selectable
  Handler onChange;

 private:
  std::string text_;
  bool multiLine_;
};

}  // namespace mapsetdesk::ui
