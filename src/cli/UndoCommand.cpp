// undo [ID] [--yes]: takes back the newest change that stands, or the entry
// ID; --yes answers the question before it. Prints the id of the undo's own
// entry, which can be undone in turn.
#include <algorithm>
#include <ostream>

#include "app/Language.h"
#include "app/messages/HistoryTexts.h"
#include "cli/Commands.h"
#include "cli/StreamDialogs.h"
#include "history/Undo.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "undo [ID] [--yes]";

std::string describe(const JournalListing& entry) {
  const JournalHeader& header = entry.manifest.header;
  return entry.id + ' ' + header.action + ' ' + header.mapset;
}

std::string refusal(const HistoryTexts& texts, const UndoPlan& plan, const std::string& id) {
  switch (plan.status) {
    case UndoStatus::NothingToUndo:
      return texts.nothingToUndo;
    case UndoStatus::NotFound:
      return texts.noSuchEntry + id;
    case UndoStatus::NotUndoable:
      return texts.notUndoable + describe(plan.entry);
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

}  // namespace

int undo(Context& context) {
  std::vector<std::string> args = context.args;
  const auto yesFlag = std::find(args.begin(), args.end(), "--yes");
  const bool yes = yesFlag != args.end();
  if (yes) args.erase(yesFlag);
  if (args.size() > 1 || (args.size() == 1 && args[0].rfind("--", 0) == 0))
    return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue catalogue;
  language(*registry, catalogue);
  const HistoryTexts texts = historyTexts(catalogue.sprache().value_or(Sprache::Deutsch));
  const Journal journal(Journal::folderFor(*facts));
  const std::string id = args.empty() ? std::string() : args[0];
  UndoPlan plan = planUndo(journal, *registry, id);
  if (plan.status != UndoStatus::Done) {
    context.err << refusal(texts, plan, id) << '\n';
    return 1;
  }
  context.err << texts.askUndo << describe(plan.entry) << '\n';
  if (!yes) return usageError(context, kUsage);
  StreamDialogs dialogs(context.err);
  const auto folders = openSystemFolderOps(dialogs);
  plan = carryOut(journal, *registry, *folders, plan);
  if (plan.status != UndoStatus::Done) {
    context.err << refusal(texts, plan, id) << '\n';
    return 1;
  }
  context.err << texts.undone << describe(plan.entry) << '\n';
  const auto entries = journal.entries();
  if (!entries.empty()) context.out << entries.back().id << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
