#pragma once
// install with a device image: see DeviceImageCommand.cpp.
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace mapsetdesk::cli {

// The arguments name one file, and it is a device image.
bool isDeviceImageCall(const std::vector<std::string>& args);
int installDeviceImage(Context& context);

}  // namespace mapsetdesk::cli
