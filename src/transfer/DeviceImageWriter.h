#pragma once
// Writes a planned device image: into a temporary file beside the target,
// subfile by subfile straight from the installed files, renamed over the
// target only when complete. Memory holds one chunk of a subfile at a time,
// however large the image.
#include <functional>
#include <string>

#include "transfer/DeviceImagePlan.h"

namespace mapsetdesk {

struct DeviceWriteProgress {
  // After the last subfile of each mapset went into the temporary file.
  std::function<void(const DeviceMapset&)> mapsetWritten = [](const DeviceMapset&) {};
  std::function<void()> letEventsRun = [] {};
};

// False when a file could not be read as planned or the target not written;
// the target is then as it was.
bool writeDeviceImage(const DeviceImagePlan& plan, const std::string& target,
                      const DeviceWriteProgress& progress);

}  // namespace mapsetdesk
