#pragma once
// The file side of a registry hive: reading it whole, replacing it in one
// step, telling whether it changed since it was read, and the lock that lets
// one writer at a time change it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace mapsetdesk {

// One version of a file. A file renamed into its place has another inode; an
// edit in place changes the size or the modification time.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// A file descriptor, closed with the object.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle();
  FileHandle(FileHandle&& other) noexcept;
  FileHandle& operator=(FileHandle&& other) noexcept;
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

enum class FileState { Missing, Present, Unreadable };

struct FileLook {
  FileState state = FileState::Missing;
  FileStamp stamp;
};
FileLook lookAtFile(const std::string& path);

// The stamp of an open file as long as it still has a name; nullopt once it
// has been deleted or replaced by a file renamed over it. Much cheaper than
// looking the path up again.
std::optional<FileStamp> linkedStamp(const FileHandle& handle);

// The file read whole and kept open: while it is open its inode cannot be
// reused, so whatever takes its place later has a stamp of its own.
struct FileRead {
  FileState state = FileState::Missing;
  FileHandle handle;
  FileStamp stamp;
  std::string bytes;
};
FileRead readWholeFile(const std::string& path);

// Writes every byte, going on after interruptions; false on a write error.
bool writeAll(int fd, std::string_view bytes);

// Writes the bytes to a new file beside path, flushes it to the disk and
// renames it over path, so path holds the old or the new bytes whole, never a
// mixture or nothing. The new file keeps the old one's permissions, or gets
// newFileMode where there was none. Returns the new file, kept open; on any
// failure nullopt, and path is untouched.
std::optional<FileRead> replaceFileDurably(const std::string& path, std::string_view bytes,
                                           unsigned newFileMode);

// Temporary files that a writer of path left when it died in the middle of
// replaceFileDurably. Only to be called under the writers' lock.
void removeLeftoverTemporaries(const std::string& path);

// An exclusive lock on the file at path (created when missing), held while the
// object lives; other processes and other handles of this one wait for it.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  bool held() const { return static_cast<bool>(handle_); }

 private:
  FileHandle handle_;
};

}  // namespace mapsetdesk
