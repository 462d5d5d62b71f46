#pragma once
// The tool window as the flows that run outside programs see it: they hand
// it a command line and read back what the program printed.
#include <string>

namespace mapsetdesk {

class ToolWindow {
 public:
  virtual ~ToolWindow() = default;
  // The captured run with the running report: the main window tells that
  // the integration has started, the tool window shows the command line, the
  // progress and then the output. Returns once the program has ended.
  virtual void WaitForApplication(const std::string& commandLine) = 0;
  // The command line into the tool window and its Start action on it, without
  // the running report.
  virtual void start(const std::string& commandLine) = 0;
  // After a run: the program's output without gmt's banner line.
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
};

}  // namespace mapsetdesk
