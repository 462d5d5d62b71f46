#pragma once
// The platform twins: the Windows build gets the real registry and shell, every
// other system a file-backed registry and special folders below a data root.
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {

struct PlatformOptions {
  std::string dataRoot;          // POSIX only; empty: from the environment
  bool machineReadOnly = false;  // POSIX only: act as a user without write rights on HKLM
};

std::unique_ptr<Registry> openSystemRegistry(const PlatformOptions& options);
std::unique_ptr<SystemFacts> openSystemFacts(const PlatformOptions& options);

// POSIX: $MAPSETDESK_HOME, else $XDG_DATA_HOME/mapsetdesk, else
// ~/.local/share/mapsetdesk. Windows: empty (the system keeps its own data).
std::string defaultDataRoot();

// The data root the POSIX twins keep the registry and the special folders in:
// options.dataRoot, else defaultDataRoot(), absolute. Windows: empty.
std::string dataRootFor(const PlatformOptions& options);

// Where this build keeps its registry and its data, in words for a report:
// folders below the data root on POSIX, the system's own stores on Windows.
struct StorageLocations {
  std::string dataRoot;
  std::string registry;
};
StorageLocations storageLocations(const PlatformOptions& options);

std::string executableFolder();

// Joins a folder and a name with the system's separator.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace mapsetdesk
