#pragma once
// The processor time this process has used so far, user and system time
// together; for measuring that waiting costs nothing.
#include <chrono>

namespace mapsetdesk {

std::chrono::microseconds processCpuTime();

}  // namespace mapsetdesk
