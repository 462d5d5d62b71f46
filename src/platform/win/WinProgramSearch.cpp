#include "platform/ProgramSearch.h"

namespace mapsetdesk {

std::string executableName(const std::string& name) { return name + ".exe"; }

char pathListSeparator() { return ';'; }

}  // namespace mapsetdesk
