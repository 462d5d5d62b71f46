#pragma once
// The files an edit is about to write, as they were before: when a later
// step fails, the edit puts them back, so it changes all or nothing.
#include <optional>
#include <string>
#include <vector>

namespace mapsetdesk {

class FileUndo {
 public:
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

  std::vector<Kept> kept_;
};

}  // namespace mapsetdesk
