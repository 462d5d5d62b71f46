#include "cache/CacheClearing.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/FilePath.h"
#include "platform/FolderLink.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// Everything directly in the folder that is not a folder; the list is taken
// whole first, so that deleting does not disturb the walk.
std::vector<std::string> filesDirectlyIn(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  fs::directory_iterator it(filePath(folder), error), end;
  for (; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_directory(ignored)) files.push_back(pathText(it->path()));
  }
  return files;
}

}  // namespace

ClearOutcome emptyCacheFolder(const std::string& folder, FolderOps& folders,
                              const std::function<void()>& letEventsRun) {
  ClearOutcome outcome;
  std::error_code error;
  if (folder.empty() || !fs::is_directory(filePath(folder), error)) return outcome;
  if (isLink(folder)) {
    outcome.status = ClearStatus::Link;
    return outcome;
  }
  outcome.status = ClearStatus::Emptied;
  for (const std::string& file : filesDirectlyIn(folder)) {
    switch (folders.removeFile(file).status) {
      case RemoveStatus::Removed:
        ++outcome.deleted;
        break;
      case RemoveStatus::Missing:
        break;  // gone meanwhile: the desktop program cleared it
      case RemoveStatus::Denied:
      case RemoveStatus::Failed:
        ++outcome.notDeleted;
        break;
    }
    letEventsRun();
  }
  return outcome;
}

CacheClearing clearTileCache(SystemFacts& facts, FolderOps& folders, TileCache cache,
                             const std::function<void()>& letEventsRun,
                             const MeasureFolder& measure) {
  CacheClearing clearing;
  clearing.outcome = emptyCacheFolder(tileCacheFolder(facts, cache), folders, letEventsRun);
  clearing.left = readTileCache(facts, cache, measure);
  return clearing;
}

}  // namespace mapsetdesk
