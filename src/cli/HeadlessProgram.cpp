#include "cli/HeadlessProgram.h"

#include "app/Language.h"
#include "app/Settings.h"

namespace mapsetdesk::cli {

HeadlessProgram::HeadlessProgram(Context& context)
    : registry(openSystemRegistry(context.platform)),
      facts(openSystemFacts(context.platform)),
      stream(context.out),
      sound(openSystemSound()),
      shell(openSystemShell()),
      processes(openSystemProcessLauncher()),
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
