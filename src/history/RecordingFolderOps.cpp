#include "history/RecordingFolderOps.h"

#include "platform/FilePath.h"

namespace mapsetdesk {

// A copy into an existing folder lands in a new folder of the source's name.
bool RecordingFolderOps::copyFolder(const std::string& source, const std::string& destination) {
  const std::string created = isFolder(destination)
                                  ? pathText(filePath(destination) / filePath(source).filename())
                                  : destination;
  return entry_.keepNewFolder(created) && inner_.copyFolder(source, destination);
}

RemoveResult RecordingFolderOps::moveAway(const std::string& path) {
  switch (entry_.moveAway(path, inner_)) {
    case MoveStatus::Moved:
      return {RemoveStatus::Removed, {}};
    case MoveStatus::Missing:
      return {RemoveStatus::Missing, {}};
    case MoveStatus::Denied:
      return {RemoveStatus::Denied, "access denied"};
    case MoveStatus::Failed:
      break;
  }
  return {RemoveStatus::Failed, "the change journal could not take it"};
}

RemoveResult RecordingFolderOps::removeFile(const std::string& path) {
  if (!isFile(path)) return {RemoveStatus::Missing, {}};
  return moveAway(path);
}

RemoveResult RecordingFolderOps::removeFolder(const std::string& path) {
  if (!isFolder(path)) return {RemoveStatus::Missing, {}};
  return moveAway(path);
}

}  // namespace mapsetdesk
