#pragma once
// The first step of every start, of the windows as of the command line: what
// an interrupted run left unfinished is rolled back, and the user is told
// once what that was.
#include <string>
#include <vector>

#include "app/messages/HistoryTexts.h"
#include "history/Recovery.h"
#include "platform/Registry.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {

// What an interrupted run left is rolled back, then the history is cut to
// the user's limits of days and size.
Recovery recoverAndTrimJournal(Registry& registry, SystemFacts& facts);

// One line per action rolled back, then one per action that is tried again
// at the next start.
std::vector<std::string> recoveryLines(const HistoryTexts& texts, const Recovery& recovery);

// The lines as one text, empty when nothing was rolled back.
std::string recoveryMessage(const HistoryTexts& texts, const Recovery& recovery);

}  // namespace mapsetdesk
