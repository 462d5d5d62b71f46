#pragma once
// The tool window: first the command line of an outside program, then what
// the program printed. It is loaded on its first run and kept, so the output
// of the last run stays readable until the next run replaces it.
#include <string>
#include <string_view>

#include "app/Services.h"
#include "app/Session.h"
#include "app/ToolWindow.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class FormPipe : public Form, public ToolWindow {
 public:
  // textMeldung: the main window's running report.
  FormPipe(WindowSystem& windows, Services& services, Session& session, TextBox& textMeldung);

  TextBox Text1{*this, "Text1", true};
  Button Command1{*this, "Command1"};

  // The captured run: the program's standard output, empty when it could not
  // be started. Meanwhile Text1 shows the progress and a dot for every 20 ms
  // without output; the command line is a copy, as Text1 often holds it.
  std::string ExecCmd(std::string commandLine);

  void WaitForApplication(const std::string& commandLine) override;
  void start(const std::string& commandLine) override;
  std::string text() const override { return Text1.text(); }
  void setText(const std::string& text) override { Text1.setText(text); }

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  class RunWatcher;

  void Command1_Click();
  // The device-image run's progress text, chosen by its gmt command line.
  void showProgressText();
  void tell(std::string_view text);

  Services& services_;
  Session& session_;
  TextBox& textMeldung_;
};

}  // namespace mapsetdesk::ui
