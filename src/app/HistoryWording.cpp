#include "app/HistoryWording.h"

namespace mapsetdesk {

std::string stateText(const HistoryTexts& texts, JournalState state) {
  switch (state) {
    case JournalState::Complete:
      return texts.complete;
    case JournalState::Incomplete:
      return texts.incomplete;
    case JournalState::RolledBack:
      return texts.rolledBack;
    case JournalState::Undone:
      return texts.undoneState;
  }
  return {};
}

std::string entryText(const JournalListing& entry) {
  const JournalHeader& header = entry.manifest.header;
  return entry.id + ' ' + header.action + ' ' + header.mapset;
}

std::string undoRefusalText(const HistoryTexts& texts, const UndoPlan& plan) {
  switch (plan.status) {
    case UndoStatus::NothingToUndo:
      return texts.nothingToUndo;
    case UndoStatus::NotFound:
      return texts.noSuchEntry + plan.entry.id;
    case UndoStatus::NotUndoable:
      return texts.notUndoable + entryText(plan.entry);
    case UndoStatus::LaterChange:
      return texts.laterChange + plan.laterId + ' ' + plan.item;
    case UndoStatus::Changed:
      return texts.changedSince + plan.item;
    case UndoStatus::Failed:
      return texts.undoFailed + plan.item;
    case UndoStatus::Done:
      break;
  }
  return {};
}

}  // namespace mapsetdesk
