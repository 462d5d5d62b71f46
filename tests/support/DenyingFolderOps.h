#pragma once
// Folder operations that refuse every deletion, as Windows refuses to delete
// a file that a running MapSource holds open; copies fail too.
#include <string>
#include <vector>

#include "platform/FolderOps.h"

namespace mapsetdesk::testing {

class DenyingFolderOps : public FolderOps {
 public:
  bool copyFolder(const std::string&, const std::string&) override { return false; }
  RemoveResult removeFile(const std::string& path) override { return refuse(path); }
  RemoveResult removeFolder(const std::string& path) override { return refuse(path); }
  RemoveResult moveItem(const std::string& from, const std::string&) override {
    return refuse(from);
  }

  std::vector<std::string> refused;  // every path asked for, in order

 private:
  RemoveResult refuse(const std::string& path) {
    refused.push_back(path);
    return {RemoveStatus::Denied, "Permission denied"};
  }
};

}  // namespace mapsetdesk::testing
