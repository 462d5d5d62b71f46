#include <windows.h>

#include "platform/RunningLock.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

class SharingLock : public RunningLock {
 public:
  explicit SharingLock(HANDLE handle) : handle_(handle) {}
  ~SharingLock() override { CloseHandle(handle_); }
  SharingLock(const SharingLock&) = delete;
  SharingLock& operator=(const SharingLock&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace

// Opened without sharing: no other process can open the file while it is held.
std::unique_ptr<RunningLock> takeRunningLock(const std::string& path) {
  const HANDLE handle = CreateFileW(wideText(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<SharingLock>(handle);
}

}  // namespace mapsetdesk
