#include "platform/posix/HiveFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace mapsetdesk {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

FileStamp stampOf(const struct stat& info) {
#ifdef __APPLE__
  const struct timespec& modified = info.st_mtimespec;
#else
  const struct timespec& modified = info.st_mtim;
#endif
  return FileStamp{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                   static_cast<std::int64_t>(info.st_size),
                   static_cast<std::int64_t>(modified.tv_sec) * 1'000'000'000 + modified.tv_nsec};
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool readAll(int fd, std::string& bytes) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

FileHandle::~FileHandle() {
  if (fd_ >= 0) ::close(fd_);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FileLook lookAtFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    return {errno == ENOENT ? FileState::Missing : FileState::Unreadable, {}};
  return {S_ISREG(info.st_mode) ? FileState::Present : FileState::Unreadable, stampOf(info)};
}

std::optional<FileStamp> linkedStamp(const FileHandle& handle) {
  struct stat info {};
  if (!handle || ::fstat(handle.get(), &info) != 0 || info.st_nlink == 0) return std::nullopt;
  return stampOf(info);
}

FileRead readWholeFile(const std::string& path) {
  FileRead read;
  read.handle = FileHandle(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!read.handle) {
    read.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    return read;
  }
  struct stat info {};
  read.state = FileState::Unreadable;
  if (::fstat(read.handle.get(), &info) != 0 || !S_ISREG(info.st_mode)) return read;
  read.stamp = stampOf(info);
  if (!readAll(read.handle.get(), read.bytes)) return read;
  read.state = FileState::Present;
  return read;
}

std::optional<FileRead> replaceFileDurably(const std::string& path, std::string_view bytes,
                                           unsigned newFileMode) {
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777)
                                                     : static_cast<mode_t>(newFileMode);
  std::string temporary = path + std::string(kTemporaryMark) + "XXXXXX";
  FileRead written;
  written.handle = FileHandle(::mkostemp(temporary.data(), O_CLOEXEC));
  if (!written.handle) return std::nullopt;
  struct stat info {};
  const int fd = written.handle.get();
  const bool ready = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0 &&
                     ::fstat(fd, &info) == 0 && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ready) {
    ::unlink(temporary.c_str());
    return std::nullopt;
  }
  written.state = FileState::Present;
  written.stamp = stampOf(info);
  return written;
}

void removeLeftoverTemporaries(const std::string& path) {
  const std::string folder = folderOf(path);
  const std::string prefix = nameOf(path) + std::string(kTemporaryMark);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.starts_with(prefix)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

FileLock::FileLock(const std::string& path)
    : handle_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
  if (!handle_) return;
  int result;
  do {
    result = ::flock(handle_.get(), LOCK_EX);
  } while (result != 0 && errno == EINTR);
  if (result != 0) handle_ = FileHandle();
}

}  // namespace mapsetdesk
