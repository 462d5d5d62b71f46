#include <windows.h>
#include <psapi.h>

#include "platform/PeakMemory.h"

namespace mapsetdesk {

std::uint64_t peakMemoryBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return counters.PeakWorkingSetSize;
}

}  // namespace mapsetdesk
