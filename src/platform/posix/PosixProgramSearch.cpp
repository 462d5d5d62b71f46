#include "platform/ProgramSearch.h"

namespace mapsetdesk {

std::string executableName(const std::string& name) { return name; }

char pathListSeparator() { return ':'; }

}  // namespace mapsetdesk
