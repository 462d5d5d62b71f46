#pragma once
// A command's change run through the change journal, so that `undo` can take
// it back; a journal that cannot be written stops the change before it
// touches anything, with a line on the error stream saying why.
#include <functional>
#include <string>

#include "cli/Commands.h"
#include "history/JournaledAction.h"

namespace mapsetdesk::cli {

// change gets the registry that records and the entry that keeps files; it
// returns whether it succeeded. False when it did not run or was put back.
bool journaledChange(Context& context, Registry& registry, const std::string& action,
                     const std::string& mapset, const std::function<bool(Recorded&)>& change);
// The same, telling whether a failed change was put back.
ActionOutcome journaledChangeOutcome(Context& context, Registry& registry,
                                     const std::string& action, const std::string& mapset,
                                     const std::function<bool(Recorded&)>& change);

}  // namespace mapsetdesk::cli
