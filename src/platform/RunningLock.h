#pragma once
// A lock a process holds on a file while it works. The system lets go of it
// when the process ends, however it ends, so that another process can tell
// work still in progress from work a crash left behind.
#include <memory>
#include <string>

namespace mapsetdesk {

class RunningLock {
 public:
  virtual ~RunningLock() = default;
};

// Takes the lock on the file at path, making the file when it is missing;
// nullptr when another holder has it or the file cannot be made.
std::unique_ptr<RunningLock> takeRunningLock(const std::string& path);

}  // namespace mapsetdesk
