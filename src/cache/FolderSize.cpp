#include "cache/FolderSize.h"

#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"

namespace mapsetdesk {

std::optional<std::uint64_t> folderBytes(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (folder.empty() || !fs::is_directory(filePath(folder), error)) return std::nullopt;
  std::uint64_t total = 0;
  fs::recursive_directory_iterator it(filePath(folder), error), end;
  for (; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    const auto size = it->file_size(ignored);
    if (!ignored) total += size;
  }
  if (error) return std::nullopt;
  return total;
}

std::uint64_t cacheMegabytes(std::uint64_t bytes) {
  const std::uint64_t whole = bytes / kCacheMegabyte;
  const std::uint64_t twiceRest = 2 * (bytes % kCacheMegabyte);
  const bool up = twiceRest > kCacheMegabyte || (twiceRest == kCacheMegabyte && whole % 2 == 1);
  return up ? whole + 1 : whole;
}

}  // namespace mapsetdesk
