#pragma once
// install with tiles or with a device image: the options they share, and
// the device-image run (see DeviceImageCommand.cpp).
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace mapsetdesk::cli {

struct InstallArguments {
  bool registry = false;
  bool gmap = false;
  bool keepFid = false;
  bool freeFid = false;
  bool yes = false;
  std::optional<std::string> name;
  std::optional<std::string> fid;
  std::vector<std::string> files;
};

// The arguments name one file, and it is a device image.
bool isDeviceImageCall(const std::vector<std::string>& files);
int installDeviceImage(Context& context, const InstallArguments& args);

}  // namespace mapsetdesk::cli
