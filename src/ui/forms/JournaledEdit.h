#pragma once
// An edit of the windows run through the change journal: the files it will
// write are declared first, and a journal that cannot be written stops the
// edit before it changes anything, with a message saying why.
#include <functional>
#include <string>
#include <vector>

#include "app/Services.h"
#include "history/JournaledAction.h"

namespace mapsetdesk::ui {

// edit gets the registry and folder operations that record; it returns
// whether it succeeded. False when it did not run, failed (and was put
// back) or could not be marked complete.
bool journaledEdit(Services& services, bool german, const std::string& action,
                   const std::string& mapset, const std::vector<std::string>& files,
                   const std::function<bool(Recorded&)>& edit);
// The same, telling whether a failed edit was put back.
ActionOutcome journaledEditOutcome(Services& services, bool german, const std::string& action,
                                   const std::string& mapset,
                                   const std::vector<std::string>& files,
                                   const std::function<bool(Recorded&)>& edit);

}  // namespace mapsetdesk::ui
