#pragma once
// Finding a program the way the system's shell finds it: through PATH.
#include <string>

namespace mapsetdesk {

// The full path of the program name found in a folder of PATH (on Windows
// with ".exe" added); empty when no folder holds it.
std::string programOnPath(const std::string& name);

// The name of a program file of this system: name + ".exe" on Windows.
std::string executableName(const std::string& name);

// What separates the folders of PATH: ";" on Windows, ":" elsewhere.
char pathListSeparator();

}  // namespace mapsetdesk
