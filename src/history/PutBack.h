#pragma once
// One recorded thing put back as it was before its action. Each step may run
// again after a crash in the middle of it and ends in the same state.
#include <filesystem>

#include "history/JournalRecord.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct EntryPlace {
  std::filesystem::path history;  // the journal's folder
  std::filesystem::path entry;    // the folder of the entry the record belongs to
};

// True when the thing is as it was before the action now.
bool putBack(Registry& registry, const JournalRecord& record, const EntryPlace& place);

}  // namespace mapsetdesk
