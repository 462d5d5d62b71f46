#pragma once
// Folder operations whose deletions move the file or folder into a journal
// entry instead, and whose copies declare the folder they create, so that
// both can be taken back.
#include "history/JournalEntry.h"
#include "platform/FolderOps.h"

namespace mapsetdesk {

class RecordingFolderOps : public FolderOps {
 public:
  RecordingFolderOps(FolderOps& inner, JournalEntry& entry) : inner_(inner), entry_(entry) {}

  bool copyFolder(const std::string& source, const std::string& destination) override;
  RemoveResult removeFile(const std::string& path) override;
  RemoveResult removeFolder(const std::string& path) override;
  RemoveResult moveItem(const std::string& from, const std::string& to) override {
    return inner_.moveItem(from, to);
  }

 private:
  RemoveResult moveAway(const std::string& path);

  FolderOps& inner_;
  JournalEntry& entry_;
};

}  // namespace mapsetdesk
