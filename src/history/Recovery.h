#pragma once
// At every start, before anything else: each entry whose action did not
// finish is rolled back. A rollback that a crash stopped is taken up again at
// the following start, because the entry stays unfinished until it is done.
#include <vector>

#include "history/Journal.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct Recovery {
  std::vector<JournalHeader> rolledBack;
  std::vector<JournalHeader> failed;  // something could not be put back; tried again next start
};

Recovery recoverJournal(const Journal& journal, Registry& registry);

}  // namespace mapsetdesk
