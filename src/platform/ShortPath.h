#pragma once
// The short form of a path for the command lines and list files of the
// outside programs, so that the paths they get carry no blanks.
#include <string>

namespace mapsetdesk {

// Windows: the 8.3 form of an existing path; the path as it is when it does
// not exist or its volume keeps no short names. Elsewhere: the path itself.
std::string shortPath(const std::string& path);

}  // namespace mapsetdesk
