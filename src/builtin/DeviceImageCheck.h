#pragma once
// Whether a device image can be split by family without losing anything,
// judged from its directory and product list before anything is written.
#include <string>
#include <vector>

namespace mapsetdesk::builtin {

enum class DeviceImageVerdict {
  Usable,
  Unreadable,          // missing, no IMG file or cut short: the split finds nothing
  Damaged,             // a directory that claims more than the file holds, or a damaged list
  TilesWithoutFamily,  // the product list leaves tiles out
};

struct DeviceImageCheck {
  DeviceImageVerdict verdict = DeviceImageVerdict::Usable;
  std::vector<std::string> tilesWithoutFamily;  // tile names, in directory order
};

DeviceImageCheck checkDeviceImage(const std::string& path);

}  // namespace mapsetdesk::builtin
