#include "platform/DurableWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/posix/HiveFile.h"

namespace mapsetdesk {
namespace {

// A rename is an entry of the folder, which has its own data to flush.
void syncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

Written writeDurably(const std::filesystem::path& file, std::string_view content) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) return Written::NotCreated;
  const bool ok = writeAll(descriptor, content) && ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && ok ? Written::Ok : Written::Failed;
}

bool appendDurably(const std::filesystem::path& file, std::string_view content) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool ok = writeAll(descriptor, content) && ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && ok;
}

bool syncFile(const std::filesystem::path& file) {
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool ok = ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && ok;
}

void copyFileAttributes(const std::filesystem::path& from, const std::filesystem::path& to) {
  struct stat original {};
  if (::stat(from.c_str(), &original) != 0) return;
  ::chmod(to.c_str(), original.st_mode & 07777);
}

bool renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  syncFolder(to.parent_path());
  return true;
}

}  // namespace mapsetdesk
