#include <filesystem>

#include "platform/FilePath.h"
#include "platform/ShellLink.h"

namespace mapsetdesk {

bool createShortcut(const std::string& linkPath, const std::string& target) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path link = filePath(linkPath);
  if (fs::is_symlink(fs::symlink_status(link, error))) fs::remove(link, error);
  fs::create_directory_symlink(filePath(target), link, error);
  return !error;
}

}  // namespace mapsetdesk
