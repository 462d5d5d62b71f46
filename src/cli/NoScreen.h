#pragma once
// The window system of the command-line front end: the windows a command
// drives have no screen; their shows and pointers go nowhere.
#include "ui/forms/controls/WindowSystem.h"

namespace mapsetdesk::cli {

class NoScreen : public ui::WindowSystem {
 public:
  void formShown(ui::Form&, ui::Modality) override {}
  void formHidden(ui::Form&) override {}
  void formUnloaded(ui::Form&) override {}
  void pointerChanged(ui::Form&) override {}
  void letEventsRun() override {}
  void endProgram() override { ended_ = true; }
  bool ending() const override { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace mapsetdesk::cli
