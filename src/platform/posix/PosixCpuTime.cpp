#include <sys/resource.h>

#include "platform/CpuTime.h"

namespace mapsetdesk {

std::chrono::microseconds processCpuTime() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec;
  const auto micros = usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
  return std::chrono::seconds(seconds) + std::chrono::microseconds(micros);
}

}  // namespace mapsetdesk
