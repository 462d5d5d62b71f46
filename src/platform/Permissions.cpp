#include "platform/Permissions.h"

#include "platform/Platform.h"

namespace mapsetdesk {

std::string setAclPath(const std::string& programFolder) {
  return joinPath(joinPath(programFolder, "BIN"), "SetACL.exe");
}

SetAclCommands setAclCommandLines(const std::string& setAcl, const std::string& registryPath,
                                  const std::string& user) {
  const std::string program = "\"" + setAcl + "\" -on " + registryPath;
  return {program + " -ot reg -actn setowner -ownr \"n:" + user + "\"",
          program + " -ot reg -actn ace -ace \"n:" + user + ";p:full\""};
}

void runSetAcl(ToolRunner& runner, Dialogs& dialogs, const std::string& programFolder,
               const std::string& registryPath, const std::string& user) {
  const std::string setAcl = setAclPath(programFolder);
  if (!runner.hasProgram(setAcl)) {
    dialogs.message({kSetAclMissing, kPermissionsTitle, Buttons::Ok, Icon::None});
    return;
  }
  const SetAclCommands commands = setAclCommandLines(setAcl, registryPath, user);
  runner.startDetached(commands.owner, WindowStyle::MinimizedFocus);
  runner.startDetached(commands.fullControl, WindowStyle::MinimizedFocus);
}

}  // namespace mapsetdesk
