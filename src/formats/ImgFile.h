#pragma once
// An IMG container read from its file piece by piece: the directory first,
// then one subfile at a time, in chunks, so that a device image of a
// gigabyte is never held whole.
#include <cstdint>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>

#include "formats/ImgDirectory.h"

namespace mapsetdesk {

enum class ImgFileProblem {
  None,
  CannotOpen,
  NotImg,
  DirectoryPastEnd,
  ReadFailed,
  BlockReused,
  SizeBeyondBlocks,
  RepeatedEntry,
};

// English, for the report lines of the built-in tools.
const char* describe(ImgFileProblem problem);

class ImgFile {
 public:
  // Opens the file and reads its header and directory.
  static ImgFile open(const std::string& path);

  ImgFileProblem problem() const { return problem_; }
  const ImgDirectory& directory() const { return directory_; }

  // Writes the entry's bytes, unscrambled, to out; false when the file or
  // out fails on the way.
  bool copyTo(const ImgEntry& entry, std::ostream& out);
  // At most count bytes from the start of the entry, unscrambled.
  std::optional<std::string> readStart(const ImgEntry& entry, std::size_t count);

  // Every byte taken from the file so far.
  std::uint64_t bytesRead() const { return bytesRead_; }

 private:
  bool readAt(std::uint64_t offset, char* into, std::size_t count);
  bool readHead();
  // Calls take(bytes) for each run of consecutive blocks of the entry,
  // limited to count bytes in all.
  template <typename Take>
  bool forEachRun(const ImgEntry& entry, std::uint64_t count, Take take);

  std::ifstream in_;
  std::uint64_t size_ = 0;
  std::uint64_t bytesRead_ = 0;
  ImgFileProblem problem_ = ImgFileProblem::None;
  ImgDirectory directory_;
};

}  // namespace mapsetdesk
