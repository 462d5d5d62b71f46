#pragma once
// What every control of a form has: a name, what a person sees of it, and the
// events a window can handle. A handler is a member function of the form
// named Control_Event, bound to the event in the form's constructor; an event
// without a handler does nothing.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/forms/controls/Color.h"
#include "ui/forms/controls/Geometry.h"

namespace mapsetdesk::ui {

class Form;
class Frame;

enum class ControlKind {
  Button,
  Label,
  TextBox,
  ListBox,
  CheckBox,
  OptionButton,
  Frame,
  DirList,
  FileList,
  DriveList,
  ProgressBar,
  MenuItem,
};

using Handler = std::function<void()>;
// Returns true to keep the focus in the control (the entry is refused).
using ValidateHandler = std::function<bool()>;
using DropHandler = std::function<void(const std::vector<std::string>& files)>;

class Control {
 public:
  // The control registers itself with its form, which lists controls in the
  // order they were declared.
  Control(Form& form, std::string name, ControlKind kind);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Form& form() const { return form_; }

  // Shown: visible itself and in every frame around it. Usable: shown and
  // enabled, likewise through its frames; only then can a person reach it.
  bool shown() const;
  bool usable() const;
  // Whether a click gives the control the keyboard focus.
  bool takesFocus() const;
  // Where the control sits in its window as sized now: its designed position
  // moved and widened by its stretch.
  Rect placed() const;

  bool enabled = true;
  bool visible = true;
  std::string toolTip;
  std::optional<Color> backColor;  // the system's colour when empty
  Rect position;                   // as designed, in a window of the designed size
  Stretch stretch;
  Frame* container = nullptr;      // the frame the control sits in

  Handler onClick;
  Handler onDblClick;
  Handler onGotFocus;
  ValidateHandler onValidate;
  Handler onLostFocus;
  Handler onKeyEnter;
  Handler onMouseEnter;  // the pointer came over the control (see Form::pointerMoved)
  Handler onMouseMove;
  DropHandler onDrop;

 private:
  Form& form_;
  std::string name_;
  ControlKind kind_;
};

// Runs a handler when one is bound.
inline void fire(const Handler& handler) {
  if (handler) handler();
}

}  // namespace mapsetdesk::ui
