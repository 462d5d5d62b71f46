// mapsetdesk.exe: the platform's services, the windows, and the skin that
// shows them.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/Services.h"
#include "app/Session.h"
#include "app/ToolLauncher.h"
#include "platform/Platform.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32Skin.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace mapsetdesk;
  // Start-up step 1 begins with the common controls, before any window exists.
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  // The folder browser and dropped files need the shell's COM on this thread.
  OleInitialize(nullptr);

  const PlatformOptions options;
  const auto registry = openSystemRegistry(options);
  const auto facts = openSystemFacts(options);
  const auto sound = openSystemSound();
  const auto shell = openSystemShell();
  ui::win32::Win32Skin skin(instance);
  const auto systemProcesses = openSystemProcessLauncher();
  const auto processes =
      openToolLauncher(*systemProcesses, *registry, [&skin] { skin.letEventsRun(); });
  ToolRunner runner(*processes);
  ui::win32::Win32Dialogs dialogs;
  const auto folders = openSystemFolderOps(dialogs);
  Services services{*registry,         *facts, dialogs, *sound, *shell, runner, *folders,
                    executableFolder(), [&skin] { skin.letEventsRun(); }};
  Session session;
  ui::ProgramWindows windows(skin, services, session);
  const int code = skin.run(windows.main);
  OleUninitialize();
  return code;
}
