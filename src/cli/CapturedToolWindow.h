#pragma once
// The tool window of the command-line front end: the outside program runs
// captured as in the window, its output is kept for the flow that reads it
// back, and nothing is shown meanwhile.
#include <string>

#include "app/ToolWindow.h"
#include "install/InstallationView.h"
#include "platform/ToolRunner.h"

namespace mapsetdesk::cli {

class CapturedToolWindow : public ToolWindow, public InstallationView {
 public:
  explicit CapturedToolWindow(ToolRunner& runner) : runner_(runner) {}

  void WaitForApplication(const std::string& commandLine) override { start(commandLine); }
  void start(const std::string& commandLine) override;
  std::string text() const override { return text_; }
  void setText(const std::string& text) override { text_ = text; }

  // The running report keeps only its last text.
  void showReport(const std::string& text) override { lastReport_ = text; }
  ToolWindow& toolWindow() override { return *this; }
  void showToolWindow() override {}
  const std::string& lastReport() const { return lastReport_; }

 private:
  ToolRunner& runner_;
  std::string text_;
  std::string lastReport_;
};

}  // namespace mapsetdesk::cli
