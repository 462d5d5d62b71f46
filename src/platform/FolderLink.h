#pragma once
// Whether a folder is only a link to another place: a symbolic link on POSIX,
// a junction or symbolic link (a reparse point) on Windows. Emptying a folder
// through such a link would delete files that belong somewhere else.
#include <string>

namespace mapsetdesk {

// False for a missing path and for an ordinary folder or file.
bool isLink(const std::string& path);

}  // namespace mapsetdesk
