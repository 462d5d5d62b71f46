#include <filesystem>
#include <system_error>

#include "platform/Drives.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> subfolders(const fs::path& folder) {
  std::vector<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->is_directory(ignored)) found.push_back(it->path());
  }
  return found;
}

}  // namespace

std::vector<std::string> driveRoots() { return {"/"}; }

// Desktops mount a volume at /media/<user>/<label> or /run/media/<user>/<label>,
// older systems and people at /media/<label> or /mnt/<label>: both levels are
// offered, and only those holding a Garmin folder are taken.
std::vector<std::string> removableVolumes() {
  std::vector<std::string> volumes;
  for (const char* root : {"/media", "/run/media", "/mnt"})
    for (const fs::path& folder : subfolders(root)) {
      volumes.push_back(pathText(folder));
      for (const fs::path& inner : subfolders(folder)) volumes.push_back(pathText(inner));
    }
  return volumes;
}

}  // namespace mapsetdesk
