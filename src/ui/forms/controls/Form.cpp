#include "ui/forms/controls/Form.h"

namespace mapsetdesk::ui {

Form::Form(WindowSystem& windows, std::string name)
    : windows_(windows), name_(std::move(name)) {
  caption = name_;
}

Control* Form::find(std::string_view name) const {
  for (Control* control : controls_) {
    if (control->name() == name) return control;
  }
  return nullptr;
}

void Form::load() {
  if (loaded_) return;
  loaded_ = true;
  Form_Load();
}

void Form::show(Modality modality) {
  load();
  if (windows_.ending() || !loaded_) return;
  visible_ = true;
  windows_.formShown(*this, modality);
}

void Form::hide() {
  if (!visible_) return;
  visible_ = false;
  windows_.formHidden(*this);
}

void Form::unload() {
  if (!loaded_) return;
  Form_Unload();
  loaded_ = false;
  visible_ = false;
  focused_ = nullptr;
  windows_.formUnloaded(*this);
}

void Form::setMousePointer(MousePointer pointer) {
  if (pointer == pointer_) return;
  pointer_ = pointer;
  windows_.pointerChanged(*this);
}

bool Form::moveFocus(Control* next) {
  if (next == focused_) return true;
  if (Control* previous = focused_) {
    if (previous->onValidate && previous->onValidate()) return false;
    focused_ = nullptr;
    fire(previous->onLostFocus);
  }
  focused_ = next;
  if (next) fire(next->onGotFocus);
  return true;
}

}  // namespace mapsetdesk::ui
