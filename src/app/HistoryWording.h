#pragma once
// How the windows and the command line word the history: an entry's state,
// an entry in one line, and why an undo cannot go ahead.
#include <string>

#include "app/messages/HistoryTexts.h"
#include "history/Undo.h"

namespace mapsetdesk {

std::string stateText(const HistoryTexts& texts, JournalState state);
// Its id, action and mapset.
std::string entryText(const JournalListing& entry);
// Empty for a plan that can be carried out.
std::string undoRefusalText(const HistoryTexts& texts, const UndoPlan& plan);

}  // namespace mapsetdesk
