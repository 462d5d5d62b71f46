// history: the change journal, newest entry first, one tab-separated line
// each: id, time (ISO 8601, UTC), action, mapset, state. Clearing a tile
// cache deletes on purpose and is not in it.
#include <ostream>

#include "app/HistoryWording.h"
#include "app/messages/HistoryTexts.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "history/Journal.h"

namespace mapsetdesk::cli {

int history(Context& context) {
  const auto facts = openSystemFacts(context.platform);
  const HistoryTexts texts = historyTexts(context.sprache);
  const auto entries = Journal(Journal::folderFor(*facts)).entries();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    const JournalHeader& header = entry->manifest.header;
    context.out << entry->id << '\t' << header.time << '\t' << header.action << '\t'
                << header.mapset << '\t' << stateText(texts, entry->state) << '\n';
  }
  return 0;
}

void addHistory(CommandLine& commandLine) { commandLine.add("history", history); }

}  // namespace mapsetdesk::cli
