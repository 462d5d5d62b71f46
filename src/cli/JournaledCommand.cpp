#include "cli/JournaledCommand.h"

#include <ostream>

#include "app/messages/HistoryTexts.h"
#include "cli/StreamDialogs.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk::cli {

bool journaledChange(Context& context, Registry& registry, const std::string& action,
                     const std::string& mapset, const std::function<bool(Recorded&)>& change) {
  return journaledChangeOutcome(context, registry, action, mapset, change) == ActionOutcome::Done;
}

ActionOutcome journaledChangeOutcome(Context& context, Registry& registry,
                                     const std::string& action, const std::string& mapset,
                                     const std::function<bool(Recorded&)>& change) {
  const auto facts = openSystemFacts(context.platform);
  const Journal journal(Journal::folderFor(*facts));
  StreamDialogs dialogs(context.err);
  const auto folders = openSystemFolderOps(dialogs);
  const ActionOutcome outcome =
      runJournaled(journal, registry, *folders, action, mapset, change);
  if (outcome == ActionOutcome::NoJournal) {
    const HistoryTexts texts = historyTexts(context.sprache);
    context.err << texts.noJournal << pathText(journal.folder()) << '\n';
  }
  return outcome;
}

}  // namespace mapsetdesk::cli
