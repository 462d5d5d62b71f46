#include "ui/forms/JournaledEdit.h"

#include "app/JournaledRun.h"

namespace mapsetdesk::ui {

bool journaledEdit(Services& services, bool german, const std::string& action,
                   const std::string& mapset, const std::vector<std::string>& files,
                   const std::function<bool(Recorded&)>& edit) {
  return journaledEditOutcome(services, german, action, mapset, files, edit) ==
         ActionOutcome::Done;
}

ActionOutcome journaledEditOutcome(Services& services, bool german, const std::string& action,
                                   const std::string& mapset,
                                   const std::vector<std::string>& files,
                                   const std::function<bool(Recorded&)>& edit) {
  return journaledOutcome(services, german ? Sprache::Deutsch : Sprache::English, action, mapset,
                      [&](Services& recorded, JournalEntry& entry) {
                        Recorded declared{recorded.registry, recorded.folders, entry};
                        return keepBeforeEdit(entry, files) && edit(declared);
                      });
}

}  // namespace mapsetdesk::ui
