#pragma once
// The base of every window: its caption, its controls in the order declared,
// loading and unloading, showing and hiding, the mouse pointer and the focus.
// A window overrides Form_Load and Form_Unload and binds its controls'
// events to its own Control_Event member functions.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/forms/controls/Control.h"
#include "ui/forms/controls/WindowPlacement.h"
#include "ui/forms/controls/WindowSystem.h"

namespace mapsetdesk::ui {

enum class MousePointer { Default = 0, Hourglass = 11 };

class Form {
 public:
  Form(WindowSystem& windows, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  WindowSystem& windows() const { return windows_; }
  const std::vector<Control*>& controls() const { return controls_; }
  Control* find(std::string_view name) const;

  std::string caption;
  int width = 400;   // client area as designed, pixels at 96 dots per inch
  int height = 300;
  // A person may size the window, never below its designed size, and finds
  // it where it was left (see placement).
  bool sizable = false;
  // A person may close the window with its close box; a window whose work
  // is running refuses until the work has ended.
  bool closable = true;

  // The client area as the window shows it; the designed size until sized.
  int shownWidth() const { return width + growthX_; }
  int shownHeight() const { return height + growthY_; }
  int growthX() const { return growthX_; }
  int growthY() const { return growthY_; }
  // The window now has a client area of clientWidth by clientHeight, which
  // is never less than designed: every control takes its stretched place.
  void resize(int clientWidth, int clientHeight);

  // Where a person left the sizable window on the screen. The skin keeps it
  // while the window shows and opens the window there when it fits the
  // screen; the window keeps it in the settings between runs.
  std::optional<WindowPlacement> placement;

  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }
  // Runs Form_Load unless the form is loaded already.
  void load();
  // Loads when needed, then shows; a modal show returns when the form is
  // hidden again. Nothing shows once the program is ending.
  void show(Modality modality = Modality::Modeless);
  void hide();
  // Runs Form_Unload, hides the form and forgets its focus; the next show
  // loads it afresh.
  void unload();

  MousePointer mousePointer() const { return pointer_; }
  void setMousePointer(MousePointer pointer);

  Control* focused() const { return focused_; }
  // Moves the focus to next (nullptr: away from every control). The control
  // that has the focus validates first; when it refuses, it keeps the focus
  // and the move fails. Otherwise it loses the focus and next gets it.
  bool moveFocus(Control* next);

  // The pointer moved over control: it enters first when it was not over it
  // already, so a handler that measures something runs once per visit
  // however many moves follow, until the pointer leaves it.
  void pointerMoved(Control& control);
  void pointerLeft(const Control& control);

  // The language setting changed while the window is loaded: its texts
  // follow at once, not only when it is opened again.
  virtual void languageChanged() {}

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}

 private:
  friend class Control;
  void add(Control& control) { controls_.push_back(&control); }

  WindowSystem& windows_;
  std::string name_;
  std::vector<Control*> controls_;
  bool loaded_ = false;
  bool visible_ = false;
  MousePointer pointer_ = MousePointer::Default;
  Control* focused_ = nullptr;
  Control* pointerOver_ = nullptr;
  int growthX_ = 0;
  int growthY_ = 0;
};

}  // namespace mapsetdesk::ui
