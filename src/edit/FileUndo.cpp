#include "edit/FileUndo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "formats/FileBytes.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {

// A file the failed step never reached is left alone: writing it again
// could fail for the same reason.
bool FileUndo::putBack(const Kept& kept) {
  const FileContent now = readFileBytes(kept.path);
  if (!kept.bytes) {
    std::error_code error;
    return now.status == FileStatus::Missing || std::filesystem::remove(filePath(kept.path), error);
  }
  return (now.status == FileStatus::Ok && now.bytes == *kept.bytes) ||
         replaceFile(kept.path, *kept.bytes);
}

bool FileUndo::keep(const std::string& path) {
  if (std::any_of(kept_.begin(), kept_.end(), [&](const Kept& kept) { return kept.path == path; }))
    return true;
  if (alsoKeep_ && !alsoKeep_(path)) return false;
  const FileContent content = readFileBytes(path);
  if (content.status == FileStatus::Missing) {
    kept_.push_back({path, std::nullopt});
    return true;
  }
  if (content.status != FileStatus::Ok) return false;
  kept_.push_back({path, content.bytes});
  return true;
}

std::vector<std::string> FileUndo::restore() const {
  std::vector<std::string> failed;
  for (auto kept = kept_.rbegin(); kept != kept_.rend(); ++kept)
    if (!putBack(*kept)) failed.push_back(kept->path);
  return failed;
}

}  // namespace mapsetdesk
