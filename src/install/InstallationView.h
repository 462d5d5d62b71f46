#pragma once
// What an installation run shows while it works: the running report of the
// main window (TextMeldung) and the tool window of the outside programs.
// The main window is one view; the command-line front end prints instead.
#include <string>

#include "app/ToolWindow.h"

namespace mapsetdesk {

class InstallationView {
 public:
  virtual ~InstallationView() = default;
  virtual void showReport(const std::string& text) = 0;
  virtual ToolWindow& toolWindow() = 0;
  virtual void showToolWindow() = 0;
};

}  // namespace mapsetdesk
