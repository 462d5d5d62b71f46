#include <windows.h>

#include "platform/Drives.h"

namespace mapsetdesk {

// The drive letters in use, lower case, as a drive list shows them.
std::vector<std::string> driveRoots() {
  std::vector<std::string> roots;
  const DWORD drives = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if (drives & (1u << letter)) roots.push_back({static_cast<char>('a' + letter), ':', '\\'});
  }
  return roots;
}

std::vector<std::string> removableVolumes() {
  std::vector<std::string> volumes;
  for (const std::string& root : driveRoots())
    if (GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE) volumes.push_back(root);
  return volumes;
}

}  // namespace mapsetdesk
