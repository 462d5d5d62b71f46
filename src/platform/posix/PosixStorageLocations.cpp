#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

// A relative root is fixed against the current folder once, so every path the
// tool stores in a registry value stays valid from any other folder.
std::string absoluteFolder(const std::string& folder) {
  if (folder.empty()) return folder;
  std::error_code error;
  const auto absolute = std::filesystem::absolute(folder, error);
  if (error) return folder;
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

std::string dataRootFor(const PlatformOptions& options) {
  return absoluteFolder(options.dataRoot.empty() ? defaultDataRoot() : options.dataRoot);
}

StorageLocations storageLocations(const PlatformOptions& options) {
  const std::string root = dataRootFor(options);
  return {root, joinPath(root, "registry")};
}

}  // namespace mapsetdesk
