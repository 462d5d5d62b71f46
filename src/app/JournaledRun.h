#pragma once
// A change of the windows or the command line run through the change
// journal: it gets the services with a registry and folder operations that
// declare every change to the entry first, and the entry for what those two
// cannot see (patches, files rewritten or written by the outside programs).
// A journal that cannot be written stops the change before it touches
// anything, with a message saying why.
#include <functional>
#include <string>

#include "app/messages/CatalogueTexts.h"
#include "app/Services.h"
#include "history/JournaledAction.h"

namespace mapsetdesk {

// change returns whether it succeeded. False when it did not run, failed
// (and was put back) or could not be marked complete (and was put back).
bool journaledRun(Services& services, Sprache sprache, const std::string& action,
                  const std::string& mapset,
                  const std::function<bool(Services& recorded, JournalEntry& entry)>& change);
// The same, for a caller whose message depends on whether a failed change
// was put back.
ActionOutcome journaledOutcome(
    Services& services, Sprache sprache, const std::string& action, const std::string& mapset,
    const std::function<bool(Services& recorded, JournalEntry& entry)>& change);

}  // namespace mapsetdesk
