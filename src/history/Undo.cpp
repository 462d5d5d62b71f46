#include "history/Undo.h"

#include <algorithm>

#include "history/ItemState.h"
#include "history/PutBack.h"
#include "platform/Codec.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {
namespace {

bool nested(const std::string& a, const std::string& b, char separator, bool ignoreCase) {
  const std::string& shorter = a.size() <= b.size() ? a : b;
  const std::string& longer = a.size() <= b.size() ? b : a;
  const std::string_view head = std::string_view(longer).substr(0, shorter.size());
  const bool same = ignoreCase ? sameRegName(head, shorter) : head == shorter;
  return same && (longer.size() == shorter.size() || longer[shorter.size()] == separator ||
                  longer[shorter.size()] == '/');
}

bool touchSame(const JournalRecord& a, const JournalRecord& b) {
  const bool aKey = a.kind == RecordKind::Key;
  if (aKey != (b.kind == RecordKind::Key)) return false;
  if (aKey) return a.root == b.root && nested(a.path, b.path, '\\', true);
  return nested(a.path, b.path, '\\', false);
}

const JournalListing* findById(const std::vector<JournalListing>& entries, const std::string& id) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [&](const JournalListing& e) { return e.id == id; });
  return found == entries.end() ? nullptr : &*found;
}

const JournalListing* newestChange(const std::vector<JournalListing>& entries) {
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (entry->state == JournalState::Complete && entry->manifest.header.undoes.empty())
      return &*entry;
  return nullptr;
}

// A later entry that undid another later entry cancels out with it.
bool laterChange(const JournalListing& later, const std::string& id) {
  if (later.id <= id || later.state != JournalState::Complete) return false;
  return later.manifest.header.undoes.empty() || later.manifest.header.undoes < id;
}

void checkLaterEntries(const std::vector<JournalListing>& entries, UndoPlan& plan) {
  for (const JournalListing& later : entries) {
    if (!laterChange(later, plan.entry.id)) continue;
    for (const JournalRecord& mine : plan.entry.manifest.records) {
      for (const JournalRecord& theirs : later.manifest.records) {
        if (!touchSame(mine, theirs)) continue;
        plan.status = UndoStatus::LaterChange;
        plan.item = itemName(mine);
        plan.laterId = later.id;
        return;
      }
    }
  }
}

void checkStates(Registry& registry, UndoPlan& plan) {
  const auto& records = plan.entry.manifest.records;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (currentState(registry, records[i]) == plan.entry.after[i]) continue;
    plan.status = UndoStatus::Changed;
    plan.item = itemName(records[i]);
    return;
  }
}

bool gone(MoveStatus status) {
  return status == MoveStatus::Moved || status == MoveStatus::Missing;
}

// Declared together before the first is put back: one write of the
// manifest for a change of thousands of tiles.
std::vector<PatchRange> patchRanges(const std::vector<JournalRecord>& records) {
  std::vector<PatchRange> ranges;
  for (const JournalRecord& record : records)
    if (record.kind == RecordKind::Patch)
      ranges.push_back({record.path, record.offset, record.bytes.size()});
  return ranges;
}

// The undo entry keeps what it changes as every entry does; a created file
// or folder goes into it rather than away.
bool undoStep(JournalEntry& undo, Registry& registry, FolderOps& folders,
              const JournalRecord& record, const EntryPlace& place) {
  switch (record.kind) {
    case RecordKind::Key:
      return undo.keepKey(registry, record.root, record.path) && putBack(registry, record, place);
    case RecordKind::File:
      if (record.stored.empty()) return gone(undo.moveAway(record.path, folders));
      return undo.keepFile(record.path) && putBack(registry, record, place);
    case RecordKind::Patch:
      return putBack(registry, record, place);
    case RecordKind::Folder:
      return gone(undo.moveAway(record.path, folders));
    case RecordKind::Moved:
      return undo.moveBack(record);
    case RecordKind::Restored:
      return undo.moveAgain(record);
  }
  return false;
}

}  // namespace

std::string itemName(const JournalRecord& record) {
  if (record.kind == RecordKind::Key)
    return std::string(rootName(record.root)) + '\\' + fromAnsi(record.path);
  return record.path;
}

UndoPlan planUndo(const Journal& journal, Registry& registry, const std::string& id) {
  const std::vector<JournalListing> entries = journal.entries();
  const JournalListing* entry = id.empty() ? newestChange(entries) : findById(entries, id);
  UndoPlan plan;
  if (!entry) {
    plan.status = id.empty() ? UndoStatus::NothingToUndo : UndoStatus::NotFound;
    plan.entry.id = id;
    return plan;
  }
  plan.entry = *entry;
  plan.status = entry->state == JournalState::Complete ? UndoStatus::Done : UndoStatus::NotUndoable;
  if (plan.status == UndoStatus::Done) checkLaterEntries(entries, plan);
  if (plan.status == UndoStatus::Done) checkStates(registry, plan);
  return plan;
}

UndoPlan carryOut(const Journal& journal, Registry& registry, FolderOps& folders, UndoPlan plan) {
  if (plan.status != UndoStatus::Done) return plan;
  auto undo = journal.begin("undo", plan.entry.manifest.header.mapset, plan.entry.id);
  const auto& records = plan.entry.manifest.records;
  if (!undo) {
    plan.status = UndoStatus::Failed;
    plan.item = records.empty() ? std::string() : itemName(records.back());
    return plan;
  }
  const EntryPlace place{journal.folder(), journal.folder() / plan.entry.id};
  if (!undo->keepPatches(patchRanges(records))) {
    undo->rollBack(registry);
    plan.status = UndoStatus::Failed;
    return plan;
  }
  for (auto record = records.rbegin(); record != records.rend(); ++record) {
    if (undoStep(*undo, registry, folders, *record, place)) continue;
    undo->rollBack(registry);
    plan.status = UndoStatus::Failed;
    plan.item = itemName(*record);
    return plan;
  }
  if (!undo->complete(registry)) {
    undo->rollBack(registry);
    plan.status = UndoStatus::Failed;
  }
  return plan;
}

}  // namespace mapsetdesk
