#pragma once
// The whole program without a screen: every window over a registry in
// memory (which a test can make refuse writes), a made-up machine, scripted
// dialogs, recorded sound and shell, and a program folder of its own.
#include <memory>

#include "app/Services.h"
#include "app/Session.h"
#include "platform/MemoryRegistry.h"
#include "platform/ToolRunner.h"
#include "support/FakeSystemFacts.h"
#include "support/HeadlessWindows.h"
#include "support/RecordingOutlets.h"
#include "support/RefusingRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::testing {

class ProgramHarness {
 public:
  // withBuiltinTools: the seam of the built-in tools stands between the
  // flows and the real processes, as in the program; it chooses by the
  // Tools setting and by what the program folder holds.
  explicit ProgramHarness(bool withBuiltinTools = false);

  // Makes the windows (a fresh session) and shows the main window, which
  // runs the start-up.
  ui::ProgramWindows& start();
  ui::ProgramWindows& windows() { return *program_; }
  ui::fMain& main() { return program_->main; }
  // A setting below HKEY_CURRENT_USER\Software\ZORVAN, as the registry holds it.
  std::string setting(const std::string& name);
  void storeSetting(const std::string& name, const std::string& text);

  TempDir folder;  // holds the program folder and the user's folders
  MemoryRegistry memory;
  RefusingRegistry registry{memory};
  FakeSystemFacts facts;
  ScriptedDialogs dialogs;
  RecordingSound sound;
  RecordingShell shell;
  HeadlessWindows screen;
  // Real processes: the program folder holds the stand-ins a test puts there.
  std::unique_ptr<ProcessLauncher> processes = openSystemProcessLauncher();
  std::unique_ptr<ProcessLauncher> seam;  // only with the built-in tools
  ToolRunner runner;
  // Real folder operations on the test's own folders.
  std::unique_ptr<FolderOps> folders = openSystemFolderOps(dialogs);
  Services services;
  std::unique_ptr<Session> session;

 private:
  std::unique_ptr<ui::ProgramWindows> program_;
};

}  // namespace mapsetdesk::testing
