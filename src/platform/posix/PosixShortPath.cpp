#include "platform/ShortPath.h"

namespace mapsetdesk {

// POSIX keeps no second, short name of a path.
std::string shortPath(const std::string& path) { return path; }

}  // namespace mapsetdesk
