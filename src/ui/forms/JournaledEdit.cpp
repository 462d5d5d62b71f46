#include "ui/forms/JournaledEdit.h"

#include "app/ProductTitle.h"
#include "app/messages/HistoryTexts.h"
#include "formats/FileBytes.h"
#include "platform/FilePath.h"

namespace mapsetdesk::ui {
namespace {

// A file that is there but cannot be read cannot be written either: the edit
// finds that out itself and says so in its own words.
bool keepable(const std::string& file) {
  if (file.empty() || isFolder(file)) return false;
  const FileStatus status = readFileStart(file, 1).status;
  return status == FileStatus::Ok || status == FileStatus::Missing;
}

}  // namespace

bool journaledEdit(Services& services, bool german, const std::string& action,
                   const std::string& mapset, const std::vector<std::string>& files,
                   const std::function<bool(Recorded&)>& edit) {
  const Journal journal(Journal::folderFor(services.facts));
  const ActionOutcome outcome = runJournaled(
      journal, services.registry, services.folders, action, mapset, [&](Recorded& recorded) {
        for (const std::string& file : files)
          if (keepable(file) && !recorded.entry.keepFile(file)) return false;
        return edit(recorded);
      });
  if (outcome == ActionOutcome::NoJournal) {
    const HistoryTexts texts = historyTexts(german ? Sprache::Deutsch : Sprache::English);
    services.dialogs.message({texts.noJournal + pathText(journal.folder()),
                              std::string(kMessageTitle), Buttons::Ok, Icon::Exclamation});
  }
  return outcome == ActionOutcome::Done;
}

}  // namespace mapsetdesk::ui
