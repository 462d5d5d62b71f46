// undo [ID] [--yes]: takes back the newest change that stands, or the entry
// ID; --yes answers the question before it. Prints the id of the undo's own
// entry, which can be undone in turn.
#include <memory>
#include <ostream>

#include "app/HistoryWording.h"
#include "app/messages/HistoryTexts.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/StreamDialogs.h"
#include "history/Undo.h"

namespace mapsetdesk::cli {

struct UndoArguments {
  std::string id;
  bool yes = false;
};

int undo(Context& context, const UndoArguments& args) {
  const auto registry = openSystemRegistry(context.platform);
  const auto facts = openSystemFacts(context.platform);
  const HistoryTexts texts = historyTexts(context.sprache);
  const Journal journal(Journal::folderFor(*facts));
  UndoPlan plan = planUndo(journal, *registry, args.id);
  if (plan.status != UndoStatus::Done) {
    context.err << undoRefusalText(texts, plan) << '\n';
    return 1;
  }
  context.err << texts.askUndo << entryText(plan.entry) << '\n';
  if (!args.yes) return usageError(context, "undo", context.texts().undoNeedsYes);
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

void addUndo(CommandLine& commandLine) {
  auto args = std::make_shared<UndoArguments>();
  CLI::App& command =
      commandLine.add("undo", [args](Context& context) { return undo(context, *args); });
  commandLine.flag(command, "--yes", args->yes);
  commandLine.argument(command, "ID", args->id);
}

}  // namespace mapsetdesk::cli
