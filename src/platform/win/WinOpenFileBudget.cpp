#include "platform/OpenFileBudget.h"

#include <stdio.h>

#include <algorithm>

namespace mapsetdesk {
namespace {

// The C runtime's streams, which the file streams use, are few by default
// (512); the older runtimes allow up to 2048.
constexpr int kWanted = 2048;

// Half the limit: the other half stays for everything else the process opens.
std::size_t budgetOnce() {
  if (_getmaxstdio() < kWanted) _setmaxstdio(kWanted);
  return static_cast<std::size_t>(std::max(_getmaxstdio() / 2, 16));
}

}  // namespace

std::size_t openFileBudget() {
  static const std::size_t budget = budgetOnce();
  return budget;
}

}  // namespace mapsetdesk
