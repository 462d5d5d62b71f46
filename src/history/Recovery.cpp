#include "history/Recovery.h"

#include <system_error>

#include "platform/FilePath.h"
#include "platform/FolderOps.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// A folder without its manifest is an entry a crash stopped before it
// recorded anything. An entry another process is writing is left to it:
// the window and the command line, or a program and the tool it started,
// work side by side.
void removeEmptyStarts(const Journal& journal, const std::vector<JournalListing>& entries) {
  std::error_code error;
  for (fs::directory_iterator it(journal.folder(), error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_directory()) continue;
    if (fs::exists(it->path() / kManifestName) || JournalEntry::underWay(it->path())) continue;
    const std::string name = pathText(it->path().filename());
    bool listed = false;
    for (const JournalListing& entry : entries) listed = listed || entry.id == name;
    if (!listed && name.size() == 6) removeFolderTree(pathText(it->path()));
  }
}

}  // namespace

Recovery recoverJournal(const Journal& journal, Registry& registry) {
  Recovery recovery;
  const std::vector<JournalListing> entries = journal.entries();
  removeEmptyStarts(journal, entries);
  for (auto listing = entries.rbegin(); listing != entries.rend(); ++listing) {
    if (listing->state != JournalState::Incomplete ||
        JournalEntry::underWay(journal.folder() / listing->id))
      continue;
    auto entry = JournalEntry::open(journal.folder(), listing->id);
    const bool back = entry && entry->rollBack(registry);
    (back ? recovery.rolledBack : recovery.failed).push_back(listing->manifest.header);
  }
  return recovery;
}

}  // namespace mapsetdesk
