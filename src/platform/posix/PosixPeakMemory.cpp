#include <sys/resource.h>

#include "platform/PeakMemory.h"

namespace mapsetdesk {

std::uint64_t peakMemoryBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;  // Linux counts in KB
}

}  // namespace mapsetdesk
