#pragma once
// The rights on the GARMIN\Maps folders of all users and of the user that
// every installation run grants before it writes there.
#include "app/Services.h"
#include "app/Session.h"

namespace mapsetdesk {

void grantMapFolders(Services& services, const Session& session);

}  // namespace mapsetdesk
