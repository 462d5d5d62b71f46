// history: the change journal, newest entry first, one tab-separated line
// each: id, time (ISO 8601, UTC), action, mapset, state. Clearing a tile
// cache deletes on purpose and is not in it.
#include <ostream>

#include "app/HistoryWording.h"
#include "app/Language.h"
#include "app/messages/HistoryTexts.h"
#include "cli/Commands.h"
#include "history/Journal.h"

namespace mapsetdesk::cli {

int history(Context& context) {
  if (!context.args.empty()) return usageError(context, "history");
  const auto registry = openSystemRegistry(context.platform);
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue catalogue;
  language(*registry, catalogue);
  const HistoryTexts texts = historyTexts(catalogue.sprache().value_or(Sprache::Deutsch));
  const auto entries = Journal(Journal::folderFor(*facts)).entries();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    const JournalHeader& header = entry->manifest.header;
    context.out << entry->id << '\t' << header.time << '\t' << header.action << '\t'
                << header.mapset << '\t' << stateText(texts, entry->state) << '\n';
  }
  return 0;
}

}  // namespace mapsetdesk::cli
