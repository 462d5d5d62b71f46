#include "app/ToolLauncher.h"

#include "app/Settings.h"

namespace mapsetdesk {

std::unique_ptr<builtin::BuiltinLauncher> openToolLauncher(ProcessLauncher& system,
                                                           Registry& registry,
                                                           std::function<void()> letEventsRun) {
  // The setting is read at every run, so a change in the settings window
  // holds from the next tool on.
  builtin::ToolSelection selection([&registry] { return Settings(registry).tools(); });
  return std::make_unique<builtin::BuiltinLauncher>(
      system, std::move(selection), builtin::BuiltinOperations::standard(),
      std::move(letEventsRun));
}

}  // namespace mapsetdesk
