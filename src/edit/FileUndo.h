#pragma once
// The files an edit is about to write, as they were before: when a later
// step fails, the edit puts them back, so it changes all or nothing. The
// change history can be told of each file as well, so that the finished
// edit can be undone later.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace mapsetdesk {

// Keeps a file's state elsewhere too; false when it cannot.
using FileKeeping = std::function<bool(const std::string&)>;

class FileUndo {
 public:
  explicit FileUndo(FileKeeping alsoKeep = {}) : alsoKeep_(std::move(alsoKeep)) {}

  // Remembers the file's bytes, or that there was none, the first time a
  // path is named. False when it exists but cannot be read: then it must
  // not be written.
  bool keep(const std::string& path);
  // Every kept file back as it was, the last kept first. The files that
  // could not be put back.
  std::vector<std::string> restore() const;

 private:
  struct Kept {
    std::string path;
    std::optional<std::string> bytes;  // nullopt: the file did not exist
  };
  static bool putBack(const Kept& kept);

  FileKeeping alsoKeep_;
  std::vector<Kept> kept_;
};

}  // namespace mapsetdesk
