#include "platform/OpenFileBudget.h"

#include <sys/resource.h>

#include <algorithm>

namespace mapsetdesk {
namespace {

constexpr rlim_t kWanted = 4096;

// Half the limit, the other half staying for everything else the process
// opens, and no more than half of what is asked for.
std::size_t budgetOnce() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return 64;
  if (limit.rlim_cur < kWanted) {
    rlimit raised = limit;
    raised.rlim_cur = std::min(kWanted, limit.rlim_max);
    if (::setrlimit(RLIMIT_NOFILE, &raised) == 0) limit = raised;
  }
  return static_cast<std::size_t>(std::clamp<rlim_t>(limit.rlim_cur / 2, 16, kWanted / 2));
}

}  // namespace

std::size_t openFileBudget() {
  static const std::size_t budget = budgetOnce();
  return budget;
}

}  // namespace mapsetdesk
