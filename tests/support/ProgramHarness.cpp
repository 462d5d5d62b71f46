#include "support/ProgramHarness.h"

#include "app/Settings.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {

ProgramHarness::ProgramHarness()
    : services{registry, facts, dialogs, sound, shell, runner, *folders, pathText(folder / "program")} {
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
