#include "platform/MoveItem.h"

#include "platform/FilePath.h"
#include "platform/FolderOps.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

void removeCopy(const fs::path& copy) {
  std::error_code ignored;
  if (fs::is_directory(fs::symlink_status(copy, ignored))) {
    removeFolderTree(pathText(copy));
  } else {
    fs::remove(copy, ignored);
  }
}

}  // namespace

bool somethingAt(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

std::error_code moveItem(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  // A rename across volumes fails with an error each system names its own way.
  if (!error || isAccessDenied(error) || !somethingAt(from)) return error;
  error.clear();
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
  if (error) {
    removeCopy(to);
    return error;
  }
  if (fs::is_directory(fs::symlink_status(from, error))) {
    error = removeFolderTree(pathText(from));
  } else {
    fs::remove(from, error);
  }
  return error;
}

}  // namespace mapsetdesk
