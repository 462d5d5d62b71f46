#pragma once
// The texts of the change journal: the history window, undo, and the word
// given at start when an interrupted action was rolled back. Texts that end
// in a blank are followed by a name, a file or a key.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct HistoryTexts {
  std::string caption;  // the history window's title and the menu item
  std::string undoButton;
  std::string columns;      // the list's head line
  std::string journalSize;  // followed by the size in MB
  std::string cacheNote;    // why clearing a tile cache is not listed
  std::string noJournal;    // the journal's folder cannot be written: nothing changed
  std::string recovered;    // an interrupted action was rolled back
  std::string recoveryFailed;
  std::string askUndo;
  std::string undone;
  std::string nothingToUndo;
  std::string noSuchEntry;
  std::string notUndoable;
  std::string changedSince;
  std::string laterChange;  // followed by the later entry's id, then the item
  std::string undoFailed;
  std::string tooLarge;     // followed by the HistoryMB limit, then tooLargeEnd
  std::string tooLargeEnd;  // a removal larger than the history may hold: go ahead without undo?
  std::string complete;  // the states of an entry
  std::string incomplete;
  std::string rolledBack;
  std::string undoneState;
};

HistoryTexts historyTexts(Sprache sprache);

}  // namespace mapsetdesk
