#pragma once
// The one way an action changes keys and files: it runs inside a journal
// entry, with a registry and folder operations that declare every change to
// the entry before making it. When the action reports failure, everything it
// changed is put back; only a finished action leaves a complete entry.
#include <functional>
#include <string>
#include <vector>

#include "history/Journal.h"
#include "platform/FolderOps.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct Recorded {
  Registry& registry;
  FolderOps& folders;
  JournalEntry& entry;  // for declarations the two above cannot see: patches, rewritten files
};

enum class ActionOutcome {
  Done,
  Failed,       // the action said so; what it changed is put back
  NotPutBack,   // it failed and not all of it could be put back: tried again at the next start
  NoJournal,    // the entry could not be started: nothing was changed
  NotComplete,  // done, but the entry could not be marked complete; rolled back
};

// action returns whether it succeeded.
ActionOutcome runJournaled(const Journal& journal, Registry& registry, FolderOps& folders,
                           const std::string& action, const std::string& mapset,
                           const std::function<bool(Recorded&)>& run);

// Keeps the state of the files an edit names before it runs. A file that is
// there but cannot be read is left for the edit to find and report in its
// own words.
bool keepBeforeEdit(JournalEntry& entry, const std::vector<std::string>& files);

// What an edit hands its file writes to, so that each file's state is kept
// in the entry before the first write.
std::function<bool(const std::string&)> keepingIn(JournalEntry& entry);

}  // namespace mapsetdesk
