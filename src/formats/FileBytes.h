#pragma once
// Whole-file reads and in-place patches for the format code. A patch never
// changes a file's length; content that changes length goes through
// platform/FileReplace.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mapsetdesk {

enum class FileStatus {
  Ok,
  Missing,     // no such file
  CannotOpen,  // exists but cannot be opened (held open, read-only, denied)
  ReadFailed,
  WriteFailed,
  OutOfRange,  // a patch would reach past the end of the file
};

// English, for logs and the command-line front end.
const char* describe(FileStatus status);

struct FileContent {
  FileStatus status = FileStatus::Ok;
  std::string bytes;
};

FileContent readFileBytes(const std::string& path);
// At most maxBytes from the start; fewer when the file is shorter.
FileContent readFileStart(const std::string& path, std::size_t maxBytes);
// Overwrites bytes.size() bytes at offset of an existing file, in place.
FileStatus patchFile(const std::string& path, std::uint64_t offset, std::string_view bytes);

}  // namespace mapsetdesk
