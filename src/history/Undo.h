#pragma once
// Taking back a complete journal entry: every key and file it recorded goes
// back byte for byte and what its action created goes away, through a new
// entry of its own, so that the undo can be undone too.
#include <string>

#include "history/Journal.h"
#include "platform/FolderOps.h"
#include "platform/Registry.h"

namespace mapsetdesk {

enum class UndoStatus {
  Done,
  NothingToUndo,  // no entry that could be undone
  NotFound,       // no entry with that id
  NotUndoable,    // the entry is unfinished, rolled back or undone already
  LaterChange,    // a later entry that stands touched `item` too
  Changed,        // `item` is no longer as the entry left it
  Failed,         // `item` could not be kept or put back; nothing stays changed
};

struct UndoPlan {
  UndoStatus status = UndoStatus::NothingToUndo;
  JournalListing entry;  // the entry to undo, when one was found
  std::string item;      // the file, or the key with its root, that stands in the way
  std::string laterId;   // LaterChange: the later entry
};

// The newest change that stands when id is empty: an undo entry is taken as
// a change only when asked for by its id, so repeated undos walk back.
UndoPlan planUndo(const Journal& journal, Registry& registry, const std::string& id);
// Carries out a plan whose status is Done; nothing is touched otherwise.
UndoPlan carryOut(const Journal& journal, Registry& registry, FolderOps& folders, UndoPlan plan);

// How a message names the thing a record touched.
std::string itemName(const JournalRecord& record);

}  // namespace mapsetdesk
