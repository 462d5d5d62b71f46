#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

#include "platform/RunningLock.h"
#include "platform/posix/HiveFile.h"

namespace mapsetdesk {
namespace {

class FlockLock : public RunningLock {
 public:
  explicit FlockLock(FileHandle handle) : handle_(std::move(handle)) {}

 private:
  FileHandle handle_;  // closing it lets go of the lock
};

}  // namespace

std::unique_ptr<RunningLock> takeRunningLock(const std::string& path) {
  FileHandle handle(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (!handle) return nullptr;
  int result;
  do {
    result = ::flock(handle.get(), LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) return nullptr;
  return std::make_unique<FlockLock>(std::move(handle));
}

}  // namespace mapsetdesk
