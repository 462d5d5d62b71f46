#include "history/Retention.h"

#include <filesystem>
#include <system_error>

namespace mapsetdesk {
namespace {

constexpr std::time_t kSecondsPerDay = 24 * 60 * 60;
constexpr std::uintmax_t kBytesPerMegabyte = 1024 * 1024;

bool drop(const Journal& journal, const JournalListing& entry) {
  std::error_code error;
  std::filesystem::remove_all(journal.folder() / entry.id, error);
  return !error;
}

}  // namespace

std::vector<std::string> trimJournal(const Journal& journal, const Retention& limits,
                                     std::time_t now) {
  const std::string oldestKept = journalTime(now - limits.days * kSecondsPerDay);
  const std::vector<JournalListing> entries = journal.entries();
  std::uintmax_t total = 0;
  for (const JournalListing& entry : entries) total += entry.bytes;
  std::vector<std::string> dropped;
  for (const JournalListing& entry : entries) {
    const bool tooOld = entry.manifest.header.time < oldestKept;
    if (!tooOld && total <= limits.megabytes * kBytesPerMegabyte) break;
    if (entry.state == JournalState::Incomplete) continue;
    if (!drop(journal, entry)) break;
    total -= entry.bytes;
    dropped.push_back(entry.id);
  }
  return dropped;
}

}  // namespace mapsetdesk
