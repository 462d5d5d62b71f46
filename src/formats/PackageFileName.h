#pragma once
// File names that one file reads from another (Info.xml, an export's log):
// they must name a file inside the reading file's folder, never a path that
// leads out of it or a device.
#include <string>
#include <string_view>

namespace mapsetdesk {

// True for a name that stays inside its folder on Windows and POSIX alike:
// not empty, no separator, no drive, no ".." or other name of dots and
// blanks alone, no character Windows refuses in a name, not a device name
// such as "NUL" or "COM1.txt", and not ending in a dot or blank (Windows
// drops those, so the name would mean another file).
bool isPlainFileName(std::string_view name);

// The name with every character that may not stand in a file name replaced
// by "_", for names made from text the user or a file chose.
std::string fileNameSafe(std::string_view text);

}  // namespace mapsetdesk
