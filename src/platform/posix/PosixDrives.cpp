#include "platform/Drives.h"

namespace mapsetdesk {

std::vector<std::string> driveRoots() { return {"/"}; }

}  // namespace mapsetdesk
