#include "install/MapFolderRights.h"

#include "platform/FilePath.h"
#include "platform/Permissions.h"
#include "platform/Platform.h"

namespace mapsetdesk {

void grantMapFolders(Services& services, const Session& session) {
  for (const int folder : {kFolderCommonAppData, kFolderAppData}) {
    const std::string maps =
        joinPath(joinPath(services.facts.specialFolder(folder), "GARMIN"), "Maps");
    // A folder not made yet has no rights to grant; asking would only tell
    // the user that the security calls found no such path.
    if (!isFolder(maps)) continue;
    grantFolderOwner(services.dialogs, maps, session.userName);
    grantFolderWriteAccess(services.dialogs, maps, session.userName);
  }
}

}  // namespace mapsetdesk
