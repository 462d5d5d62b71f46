// Systems without Windows keep the registry in files of the user's own and
// have no SetACL.exe nor security descriptors: there is nothing to grant.
#include "platform/Permissions.h"

namespace mapsetdesk {

bool grantsRights() { return false; }

void grantRegistryRights(ToolRunner&, Dialogs&, const std::string&, const std::string&,
                         const std::string&) {}

bool takeRegistryKeyRights(const std::string&, const std::string&) { return true; }

void grantFolderOwner(Dialogs&, const std::string&, const std::string&) {}

void grantFolderWriteAccess(Dialogs&, const std::string&, const std::string&) {}

}  // namespace mapsetdesk
