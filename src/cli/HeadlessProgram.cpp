#include "cli/ChosenLanguageRegistry.h"
#include "cli/HeadlessProgram.h"

#include "app/Language.h"
#include "app/Settings.h"
#include "app/ToolLauncher.h"

namespace mapsetdesk::cli {

HeadlessProgram::HeadlessProgram(Context& context)
    : registry(openRegistry(context)),
      facts(openSystemFacts(context.platform)),
      stream(context.err),
      sound(openSystemSound()),
      shell(openSystemShell()),
      systemProcesses(openSystemProcessLauncher()),
      processes(openToolLauncher(*systemProcesses, *registry, [] {})),
      runner(std::make_unique<ToolRunner>(*processes)),
      folders(openSystemFolderOps(dialogs)) {
  session.vReg6432 = registryBaseFor(Settings(*registry).wow64()).value_or(std::string());
  session.userName = facts->myGetUserName();
  language(*registry, session.texts);
  services = std::make_unique<Services>(Services{*registry, *facts, dialogs, *sound, *shell,
                                                 *runner, *folders, context.programFolder});
  windows = std::make_unique<ui::ProgramWindows>(screen, *services, session);
}

}  // namespace mapsetdesk::cli
