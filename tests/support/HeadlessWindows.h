#pragma once
// The window system of the tests: no screen. It records which forms showed,
// hid and unloaded, every change of a mouse pointer, how often events were
// let run, and whether the program ended. A modal window runs the step the
// test scripted for it; a modal window without one fails the test.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/forms/controls/Form.h"

namespace mapsetdesk::testing {

class HeadlessWindows : public ui::WindowSystem {
 public:
  // What a person does in the modal window before it closes; it should end
  // by hiding or unloading the window.
  void whenModal(const std::string& formName, std::function<void(ui::Form&)> step);

  void formShown(ui::Form& form, ui::Modality modality) override;
  void formHidden(ui::Form& form) override;
  void formUnloaded(ui::Form& form) override;
  void pointerChanged(ui::Form& form) override;
  void letEventsRun() override { ++eventRuns; }
  void endProgram() override { ended = true; }
  bool ending() const override { return ended; }

  // "shown FormX", "modal FormX", "hidden FormX", "unloaded FormX" in order.
  std::vector<std::string> log;
  std::map<std::string, std::vector<ui::MousePointer>> pointers;  // by form name
  int eventRuns = 0;
  bool ended = false;

 private:
  std::map<std::string, std::deque<std::function<void(ui::Form&)>>> modalSteps_;
};

}  // namespace mapsetdesk::testing
