#pragma once
// The window system of the Windows program: every form as a native window,
// the message loops (the program's, a modal window's, "let events run"), and
// the end of the program.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/forms/controls/Form.h"
#include "ui/win32/FormWindow.h"

namespace mapsetdesk::ui::win32 {

class Win32Skin : public WindowSystem {
 public:
  explicit Win32Skin(HINSTANCE instance);
  ~Win32Skin() override;

  // Shows the main window and runs until it is unloaded or the program ends.
  int run(Form& main);

  void formShown(Form& form, Modality modality) override;
  void formHidden(Form& form) override;
  void formUnloaded(Form& form) override;
  void pointerChanged(Form& form) override;
  void letEventsRun() override;
  void endProgram() override;
  bool ending() const override { return ending_; }

  // After every event a handler ran: the models may have changed anywhere.
  void mirrorAll();
  // After a window was sized: only its own controls move.
  void mirror(FormWindow& window);
  // The native control that shows the model; nullptr while its window is closed.
  HWND nativeOf(const Control& control) const;
  // While the skin writes into native controls, their notifications are its own.
  bool mirroring() const { return mirroring_; }
  // Counts the handlers running, so that no window goes while one of them
  // may still be on the way back through it.
  void handlerStarts() { ++handlers_; }
  void handlerEnds() { --handlers_; }

 private:
  FormWindow& windowOf(Form& form);
  // Takes one message; false on the end of the program.
  bool pump(bool wait);
  void dropRetired();

  HINSTANCE instance_;
  Form* main_ = nullptr;  // the first form shown; every other one opens over it
  std::map<Form*, std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> retired_;
  bool ending_ = false;
  bool mirroring_ = false;
  int handlers_ = 0;
};

}  // namespace mapsetdesk::ui::win32
