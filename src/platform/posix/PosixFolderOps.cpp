#include <filesystem>

#include "platform/FilePath.h"
#include "platform/FolderOps.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// The folder itself, without a separator at its end.
fs::path folderPath(const std::string& text) {
  fs::path path = filePath(text).lexically_normal();
  if (!path.has_filename() && path.has_parent_path() && path != path.root_path())
    path = path.parent_path();
  return path;
}

}  // namespace

std::string lastFolderName(const std::string& path) {
  std::string name(1, '/');
  return name.append(path, path.find_last_of('/') + 1);
}

std::optional<std::string> shellCopyFolder(const std::string& source,
                                           const std::string& destination) {
  const fs::path from = folderPath(source);
  const fs::path to = filePath(destination);
  std::error_code error;
  if (!fs::is_directory(from, error))
    return std::make_error_code(std::errc::no_such_file_or_directory).message();
  const fs::path target = fs::is_directory(to, error) ? to / from.filename() : to;
  fs::copy(from, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
  if (error) return error.message();
  return std::nullopt;
}

// remove_all deletes a symbolic link itself and never descends through it.
std::error_code removeFolderTree(const std::string& path) {
  std::error_code error;
  fs::remove_all(filePath(path), error);
  return error;
}

bool isAccessDenied(const std::error_code& error) {
  return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
         error == std::errc::device_or_resource_busy;
}

}  // namespace mapsetdesk
