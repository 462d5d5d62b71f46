#include "support/ProgramHarness.h"

#include "app/Settings.h"
#include "builtin/BuiltinGmt.h"
#include "builtin/BuiltinLauncher.h"
#include "builtin/OverviewCompiler.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {

namespace {

// gmt.exe's and cgpsmapper's work built in; the registry rights of the
// test's machine are never changed.
builtin::BuiltinOperations builtinTools() {
  return {builtin::runGmt, builtin::compileOverview,
          [](const std::string&, const std::string&) { return false; }};
}

std::unique_ptr<ProcessLauncher> builtinSeam(ProcessLauncher& processes, Registry& settings,
                                             HeadlessWindows& screen) {
  return std::make_unique<builtin::BuiltinLauncher>(
      processes, builtin::ToolSelection([&settings] { return Settings(settings).tools(); }),
      builtinTools(), [&screen] { screen.letEventsRun(); });
}

}  // namespace

ProgramHarness::ProgramHarness(bool withBuiltinTools)
    : seam(withBuiltinTools ? builtinSeam(*processes, memory, screen) : nullptr),
      runner(seam ? *seam : *processes),
      services{registry, facts, dialogs, sound, shell, runner, *folders, pathText(folder / "program")} {
  std::filesystem::create_directories(folder / "program");
  facts.folders[kFolderLocalAppData] = pathText(folder / "Local");
  facts.folders[kFolderAppData] = pathText(folder / "Roaming");
  facts.folders[kFolderCommonAppData] = pathText(folder / "ProgramData");
}

ui::ProgramWindows& ProgramHarness::start() {
  program_.reset();
  session = std::make_unique<Session>();
  program_ = std::make_unique<ui::ProgramWindows>(screen, services, *session);
  program_->main.show();
  return *program_;
}

std::string ProgramHarness::setting(const std::string& name) {
  return fRegAbfrageWert(memory, Root::CurrentUser, std::string(kSettingsKey), name);
}

void ProgramHarness::storeSetting(const std::string& name, const std::string& text) {
  fStringSpeichern(memory, Root::CurrentUser, std::string(kSettingsKey), name, text);
}

}  // namespace mapsetdesk::testing
