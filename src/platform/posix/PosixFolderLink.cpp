#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"
#include "platform/FolderLink.h"

namespace mapsetdesk {

bool isLink(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_symlink(filePath(path), error);
}

}  // namespace mapsetdesk
