#pragma once
// The most memory this process has held at once so far, in bytes; for the
// benches that prove a big file is never held whole.
#include <cstdint>

namespace mapsetdesk {

std::uint64_t peakMemoryBytes();

}  // namespace mapsetdesk
