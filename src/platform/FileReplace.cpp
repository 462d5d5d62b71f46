#include "platform/FileReplace.h"

#include <system_error>

#include "platform/DurableWrite.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

// Beside the target, so the rename stays on one volume and is atomic.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".mapsetdesk-new";
  return temporary;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view content) {
  const std::filesystem::path target = filePath(path);
  const std::filesystem::path temporary = temporaryBeside(target);
  const Written written = writeDurably(temporary, content);
  if (written == Written::NotCreated) return false;
  if (written == Written::Ok) {
    copyFileAttributes(target, temporary);
    if (renameDurably(temporary, target)) return true;
  }
  std::error_code error;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace mapsetdesk
