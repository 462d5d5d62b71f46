#include "ui/forms/FormPipe.h"

#include "app/GmtBanner.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/ToolRunnerTexts.h"
#include "ui/forms/KeptPlacement.h"

namespace mapsetdesk::ui {

// Brings what the runner reports during a run onto the window.
class FormPipe::RunWatcher : public CaptureWatcher {
 public:
  explicit RunWatcher(FormPipe& window) : window_(window) {}
  void pipeReady() override { window_.showProgressText(); }
  void quietDot() override { window_.Text1.setText(window_.Text1.text() + "."); }
  void readFailed() override { window_.tell(kReadFileFailed); }
  void letEventsRun() override { window_.windows().letEventsRun(); }

 private:
  FormPipe& window_;
};

FormPipe::FormPipe(WindowSystem& windows, Services& services, Session& session,
                   TextBox& textMeldung)
    : Form(windows, "FormPipe"), services_(services), session_(session), textMeldung_(textMeldung) {
  caption = std::string(kMessageTitle);
  width = 520;
  height = 300;
  sizable = true;
  Text1.position = {8, 8, 504, 246};
  Text1.stretch = {0, 0, 100, 100};
  Command1.position = {8, 262, 90, 28};
  Command1.stretch = {0, 100, 0, 100};
  Command1.onClick = [this] { Command1_Click(); };
}

void FormPipe::Form_Load() {
  Command1.caption = "Start";
  readPlacement(*this, services_.registry, kToolWindowPlacementValue);
}

void FormPipe::Form_Unload() {
  storePlacement(*this, services_.registry, kToolWindowPlacementValue);
}

void FormPipe::WaitForApplication(const std::string& commandLine) {
  textMeldung_.visible = true;
  textMeldung_.setText(session_.texts.text(key::Text1));
  windows().letEventsRun();
  Text1.setText(commandLine);
  show();
  Command1_Click();
  windows().letEventsRun();
}

void FormPipe::start(const std::string& commandLine) {
  load();
  Text1.setText(commandLine);
  Command1_Click();
}

void FormPipe::Command1_Click() {
  Command1.enabled = false;
  Text1.setText(ExecCmd(Text1.text()));
  Text1.setText(withoutGmtBanner(Text1.text()));
}

std::string FormPipe::ExecCmd(std::string commandLine) {
  setMousePointer(MousePointer::Hourglass);
  Text1.enabled = false;
  // Closed during the run, the window would come back with the next line of
  // output; it stays until the program has ended.
  closable = false;
  RunWatcher watcher(*this);
  const CapturedRun run = services_.runner.capture(commandLine, watcher);
  if (run.failure == CaptureFailure::PipeNotCreated) tell(kCreatePipeFailed);
  if (run.failure == CaptureFailure::NotStarted) tell(kProcessNotStarted);
  setMousePointer(MousePointer::Default);
  Text1.enabled = true;
  closable = true;
  return run.output;
}

void FormPipe::showProgressText() {
  if (session_.Command.find(kGmtFamilySearch) != std::string::npos)
    Text1.setText(std::string(kGmtFamilySearchText));
  if (session_.Command.find(kGmtSplitting) != std::string::npos)
    Text1.setText(std::string(kGmtSplittingText));
}

void FormPipe::tell(std::string_view text) {
  services_.dialogs.message(
      {std::string(text), std::string(kMessageTitle), Buttons::Ok, Icon::None});
}

}  // namespace mapsetdesk::ui
