#include "ui/forms/JournaledEdit.h"

#include "app/ProductTitle.h"
#include "app/messages/HistoryTexts.h"
#include "platform/FilePath.h"

namespace mapsetdesk::ui {

bool journaledEdit(Services& services, bool german, const std::string& action,
                   const std::string& mapset, const std::vector<std::string>& files,
                   const std::function<bool(Recorded&)>& edit) {
  const Journal journal(Journal::folderFor(services.facts));
  const ActionOutcome outcome =
      runJournaledEdit(journal, services.registry, services.folders, action, mapset, files, edit);
  if (outcome == ActionOutcome::NoJournal) {
    const HistoryTexts texts = historyTexts(german ? Sprache::Deutsch : Sprache::English);
    services.dialogs.message({texts.noJournal + pathText(journal.folder()),
                              std::string(kMessageTitle), Buttons::Ok, Icon::Exclamation});
  }
  return outcome == ActionOutcome::Done;
}

}  // namespace mapsetdesk::ui
