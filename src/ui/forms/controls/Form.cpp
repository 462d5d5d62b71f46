#include "ui/forms/controls/Form.h"

#include <algorithm>

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
  pointerOver_ = nullptr;
  windows_.formHidden(*this);
}

void Form::unload() {
  if (!loaded_) return;
  Form_Unload();
  loaded_ = false;
  visible_ = false;
  focused_ = nullptr;
  pointerOver_ = nullptr;
  // The next window opens at the designed size or where it was left.
  growthX_ = 0;
  growthY_ = 0;
  windows_.formUnloaded(*this);
}

void Form::resize(int clientWidth, int clientHeight) {
  growthX_ = std::max(0, clientWidth - width);
  growthY_ = std::max(0, clientHeight - height);
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

void Form::pointerMoved(Control& control) {
  if (pointerOver_ != &control) {
    pointerOver_ = &control;
    fire(control.onMouseEnter);
  }
  fire(control.onMouseMove);
}

// A late leave of the control the pointer came from does not end the visit
// of the one it is over now.
void Form::pointerLeft(const Control& control) {
  if (pointerOver_ == &control) pointerOver_ = nullptr;
}

}  // namespace mapsetdesk::ui
