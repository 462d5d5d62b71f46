#pragma once
// What a form needs from whatever puts it on a screen: the Win32 skin, or the
// headless driver of the tests. The form tells it when it shows, hides,
// unloads or changes its pointer; it lets pending events run during long
// work and ends the program.
namespace mapsetdesk::ui {

class Form;

enum class Modality { Modeless, Modal };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // A modal show returns once the form is hidden or unloaded again.
  virtual void formShown(Form& form, Modality modality) = 0;
  virtual void formHidden(Form& form) = 0;
  virtual void formUnloaded(Form& form) = 0;
  virtual void pointerChanged(Form& form) = 0;
  // Runs the window events that are waiting (painting, input to other
  // windows) and returns.
  virtual void letEventsRun() = 0;
  // Ends the program at once: no window's unload handler runs.
  virtual void endProgram() = 0;
  virtual bool ending() const = 0;
};

}  // namespace mapsetdesk::ui
