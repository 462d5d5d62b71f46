#include <windows.h>

#include "platform/CpuTime.h"

namespace mapsetdesk {
namespace {

// FILETIME counts 100-nanosecond steps.
std::chrono::microseconds microseconds(const FILETIME& time) {
  const ULONGLONG steps = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return std::chrono::microseconds(steps / 10);
}

}  // namespace

std::chrono::microseconds processCpuTime() {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
    return std::chrono::microseconds(0);
  return microseconds(kernel) + microseconds(user);
}

}  // namespace mapsetdesk
