#pragma once
// The journal kept within the user's limits: entries older than the days
// allowed go first, then the oldest while the journal holds more than the
// space allowed. An entry an interrupted run left is never dropped: its
// rollback at the next start needs it.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "history/Journal.h"

namespace mapsetdesk {

inline constexpr int kDefaultHistoryDays = 30;
inline constexpr std::uintmax_t kDefaultHistoryMegabytes = 2048;

struct Retention {
  int days = kDefaultHistoryDays;
  std::uintmax_t megabytes = kDefaultHistoryMegabytes;
};

// The ids of the entries dropped, oldest first.
std::vector<std::string> trimJournal(const Journal& journal, const Retention& limits,
                                     std::time_t now);

}  // namespace mapsetdesk
