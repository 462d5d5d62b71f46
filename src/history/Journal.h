#pragma once
// The change journal: one folder per entry below the user's local application
// data (Windows "ZORVAN\History"), numbered in the order the entries were
// made.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "history/JournalEntry.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {

enum class JournalState {
  Complete,
  Incomplete,  // its action did not finish: rolled back at the next start
  RolledBack,
  Undone,  // a complete undo entry that is not undone itself takes it back
};

struct JournalListing {
  std::string id;
  JournalManifest manifest;
  JournalState state = JournalState::Incomplete;
  std::vector<std::string> after;  // the states complete() kept, one per record
  std::uintmax_t bytes = 0;        // what the entry's folder holds
};

class Journal {
 public:
  explicit Journal(std::filesystem::path folder) : folder_(std::move(folder)) {}
  static std::filesystem::path folderFor(SystemFacts& facts);

  const std::filesystem::path& folder() const { return folder_; }
  // Oldest first. Folders without a readable manifest are no entries.
  std::vector<JournalListing> entries() const;
  // The next entry; nullopt when the journal's folder cannot be written.
  std::optional<JournalEntry> begin(const std::string& action, const std::string& mapset,
                                    const std::string& undoes = {}) const;

 private:
  std::filesystem::path folder_;
};

// The time, now unless told, ISO 8601 in UTC: as texts, such times compare
// as the times do.
std::string journalTime(std::time_t time = std::time(nullptr));

}  // namespace mapsetdesk
