#include "platform/FolderOps.h"

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/MoveItem.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

RemoveResult failure(const std::error_code& error) {
  return {isAccessDenied(error) ? RemoveStatus::Denied : RemoveStatus::Failed, error.message()};
}

class SystemFolderOps final : public FolderOps {
 public:
  explicit SystemFolderOps(Dialogs& dialogs) : dialogs_(dialogs) {}

  bool copyFolder(const std::string& source, const std::string& destination) override {
    const auto error = shellCopyFolder(source, destination);
    if (error) showCopyError(dialogs_, source, *error);
    return !error;
  }

  RemoveResult removeFile(const std::string& path) override {
    std::error_code error;
    if (path.empty() || !fs::is_regular_file(filePath(path), error))
      return {RemoveStatus::Missing, {}};
    if (!fs::remove(filePath(path), error)) return failure(error);
    return {};
  }

  RemoveResult removeFolder(const std::string& path) override {
    std::error_code error;
    if (path.empty() || !fs::is_directory(filePath(path), error))
      return {RemoveStatus::Missing, {}};
    if (const auto removal = removeFolderTree(path)) return failure(removal);
    return {};
  }

 private:
  Dialogs& dialogs_;
};

}  // namespace

RemoveResult FolderOps::moveItem(const std::string& from, const std::string& to) {
  if (const auto error = mapsetdesk::moveItem(filePath(from), filePath(to))) return failure(error);
  return {};
}

std::unique_ptr<FolderOps> openSystemFolderOps(Dialogs& dialogs) {
  return std::make_unique<SystemFolderOps>(dialogs);
}

void showCopyError(Dialogs& dialogs, const std::string& source, const std::string& description) {
  dialogs.message({"Following error occurd while copying folder " + source + "\n" + description,
                   "Error message", Buttons::Ok, Icon::Exclamation});
}

std::string browseForFolder(Dialogs& dialogs, const std::string& title) {
  return dialogs.chooseFolder(title, {}).value_or(std::string());
}

}  // namespace mapsetdesk
