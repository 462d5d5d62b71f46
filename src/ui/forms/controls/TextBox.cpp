#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

void TextBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  fire(onChange);
}

}  // namespace mapsetdesk::ui
