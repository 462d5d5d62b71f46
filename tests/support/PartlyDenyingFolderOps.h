#pragma once
// Folder operations that delete as the system does, except the files a test
// names, which stay as if a running program held them open. Every removal
// asked for is recorded, and a test may look at the windows before each one.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/FilePath.h"
#include "platform/FolderOps.h"

namespace mapsetdesk::testing {

class PartlyDenyingFolderOps : public FolderOps {
 public:
  explicit PartlyDenyingFolderOps(FolderOps& inner) : inner_(inner) {}

  bool copyFolder(const std::string& source, const std::string& destination) override {
    return inner_.copyFolder(source, destination);
  }
  RemoveResult removeFile(const std::string& path) override {
    asked.push_back(path);
    if (beforeRemoval) beforeRemoval();
    if (held.count(filePath(path).filename().string())) {
      return {RemoveStatus::Denied, "The file is in use by another program"};
    }
    return inner_.removeFile(path);
  }
  RemoveResult removeFolder(const std::string& path) override {
    asked.push_back(path);
    return inner_.removeFolder(path);
  }

  std::set<std::string> held;      // file names that cannot be deleted
  std::vector<std::string> asked;  // every path asked for, in order
  std::function<void()> beforeRemoval;

 private:
  FolderOps& inner_;
};

}  // namespace mapsetdesk::testing
