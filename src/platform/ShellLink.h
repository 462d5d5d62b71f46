#pragma once
// A shortcut that lets a person (and Garmin's programs, which follow it) reach
// a folder from another place: a shell link file on Windows, a symbolic link
// of the same name elsewhere.
#include <string>

namespace mapsetdesk {

// Creates or replaces the shortcut at linkPath pointing to target; false
// when the system refused.
bool createShortcut(const std::string& linkPath, const std::string& target);

}  // namespace mapsetdesk
