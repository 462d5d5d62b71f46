// undo [ID] [--yes]: takes back the newest change that stands, or the entry
// ID; --yes answers the question before it. Prints the id of the undo's own
// entry, which can be undone in turn.
#include <algorithm>
#include <ostream>

#include "app/HistoryWording.h"
#include "app/Language.h"
#include "app/messages/HistoryTexts.h"
#include "cli/Commands.h"
#include "cli/StreamDialogs.h"
#include "history/Undo.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "undo [ID] [--yes]";

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
    context.err << undoRefusalText(texts, plan) << '\n';
    return 1;
  }
  context.err << texts.askUndo << entryText(plan.entry) << '\n';
  if (!yes) return usageError(context, kUsage);
  StreamDialogs dialogs(context.err);
  const auto folders = openSystemFolderOps(dialogs);
  plan = carryOut(journal, *registry, *folders, plan);
  if (plan.status != UndoStatus::Done) {
    context.err << undoRefusalText(texts, plan) << '\n';
    return 1;
  }
  context.err << texts.undone << entryText(plan.entry) << '\n';
  const auto entries = journal.entries();
  if (!entries.empty()) context.out << entries.back().id << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
