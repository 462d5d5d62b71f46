#include "transfer/DeviceTargets.h"

#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"

namespace mapsetdesk {

std::vector<std::string> garminFolders(const std::vector<std::string>& volumes) {
  std::vector<std::string> folders;
  for (const std::string& volume : volumes) {
    const std::string garmin = foundPath(joinPath(volume, "Garmin"));
    if (isFolder(garmin)) folders.push_back(garmin);
  }
  return folders;
}

std::string nextFreeImageName(const std::string& folder) {
  for (int number = 0;; ++number) {
    const std::string name =
        "gmapsupp" + (number ? std::to_string(number) : std::string()) + ".img";
    const std::string path = joinPath(folder, name);
    if (!isFileAnyCase(path) && !isFolderAnyCase(path)) return path;
  }
}

}  // namespace mapsetdesk
