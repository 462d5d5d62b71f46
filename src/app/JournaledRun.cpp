#include "app/JournaledRun.h"

#include "app/ProductTitle.h"
#include "app/messages/HistoryTexts.h"
#include "platform/FilePath.h"

namespace mapsetdesk {

bool journaledRun(Services& services, Sprache sprache, const std::string& action,
                  const std::string& mapset,
                  const std::function<bool(Services& recorded, JournalEntry& entry)>& change) {
  return journaledOutcome(services, sprache, action, mapset, change) == ActionOutcome::Done;
}

ActionOutcome journaledOutcome(
    Services& services, Sprache sprache, const std::string& action, const std::string& mapset,
    const std::function<bool(Services& recorded, JournalEntry& entry)>& change) {
  const Journal journal(Journal::folderFor(services.facts));
  const ActionOutcome outcome =
      runJournaled(journal, services.registry, services.folders, action, mapset,
                   [&](Recorded& recorded) {
                     Services inner{recorded.registry, services.facts,  services.dialogs,
                                    services.sound,    services.shell,  services.runner,
                                    recorded.folders,  services.programFolder,
                                    services.letEventsRun};
                     return change(inner, recorded.entry);
                   });
  if (outcome == ActionOutcome::NoJournal) {
    const HistoryTexts texts = historyTexts(sprache);
    services.dialogs.message({texts.noJournal + pathText(journal.folder()),
                              std::string(kMessageTitle), Buttons::Ok, Icon::Exclamation});
  }
  return outcome;
}

}  // namespace mapsetdesk
