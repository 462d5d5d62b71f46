#include "platform/Platform.h"

namespace mapsetdesk {

std::string dataRootFor(const PlatformOptions&) { return {}; }

StorageLocations storageLocations(const PlatformOptions&) {
  return {"none: Windows keeps the registry and the special folders itself",
          "Windows registry"};
}

}  // namespace mapsetdesk
