#include <sys/stat.h>

#include "platform/FileIdentity.h"
#include "platform/FilePath.h"

namespace mapsetdesk {

std::optional<FileIdentity> fileIdentity(const std::string& utf8Path) {
  struct stat status {};
  if (utf8Path.empty() || stat(filePath(utf8Path).c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace mapsetdesk
