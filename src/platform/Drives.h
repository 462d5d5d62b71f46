#pragma once
// The roots of the file system a person can choose a drive from.
#include <string>
#include <vector>

namespace mapsetdesk {

// Windows: the drive letters in use, "c:\" form; elsewhere the one root "/".
std::vector<std::string> driveRoots();

// Where a GPS or its memory card shows up: on Windows the removable drives,
// elsewhere the volumes mounted below /media, /run/media and /mnt (a user's
// folder there counts as the volumes inside it).
std::vector<std::string> removableVolumes();

}  // namespace mapsetdesk
