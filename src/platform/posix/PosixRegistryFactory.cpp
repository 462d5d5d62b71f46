#include <iostream>

#include "platform/Platform.h"
#include "platform/posix/FileRegistry.h"

namespace mapsetdesk {

std::unique_ptr<Registry> openSystemRegistry(const PlatformOptions& options) {
  return std::make_unique<FileRegistry>(
      dataRootFor(options), options.machineReadOnly, [](const std::string& damagedFile) {
        std::cerr << "registry file damaged: " << damagedFile << '\n';
      });
}

}  // namespace mapsetdesk
