#pragma once
// The roots of the file system a person can choose a drive from.
#include <string>
#include <vector>

namespace mapsetdesk {

// Windows: the drive letters in use, "c:\" form; elsewhere the one root "/".
std::vector<std::string> driveRoots();

}  // namespace mapsetdesk
