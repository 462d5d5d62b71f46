// remove [--registry|--gmap] MAPSET [--yes]: the main window's removal,
// driven as a person drives it: the removal button, then a double-click on
// the mapset's row; --yes answers the question before it. The removal is in
// the history and can be undone; one larger than the history may hold is
// refused without --yes, which removes it for good.
#include <algorithm>
#include <memory>
#include <ostream>

#include "app/Settings.h"
#include "app/messages/HistoryTexts.h"
#include "app/messages/MessageKeys.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessProgram.h"
#include "cli/MapsetChoice.h"

namespace mapsetdesk::cli {
namespace {

template <typename Row, typename Same>
int rowOf(const std::vector<Row>& rows, Same same) {
  const auto found = std::find_if(rows.begin(), rows.end(), same);
  return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

int registrationRow(const ui::fMain& main, const CatalogueEntry& wanted) {
  return rowOf(main.registryCatalogue().rows, [&](const CatalogueRow& row) {
    return row.entry.root == wanted.root && row.entry.subkeyPath == wanted.subkeyPath;
  });
}

int packageRow(const ui::fMain& main, const GmapRow& wanted) {
  return rowOf(main.gmapCatalogue().rows, [&](const GmapRow& row) {
    return row.infoXml == wanted.infoXml && row.pid == wanted.pid;
  });
}

void doubleClick(ui::ListBox& list, int row) {
  list.setListIndex(row);
  ui::fire(list.onDblClick);
}

}  // namespace

struct RemoveArguments {
  MapsetKind kind = MapsetKind::Any;
  std::string mapset;
  bool yes = false;
};

int remove(Context& context, const RemoveArguments& args) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, args.kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  if (args.yes) {
    program.stream.answer(program.session.texts.text(key::Satz21),
                          chosen->package ? Answer::Yes : Answer::Ok);
    // A removal too large for the history goes ahead without undo only
    // when asked for.
    const HistoryTexts texts = historyTexts(context.sprache);
    program.stream.answer(
        texts.tooLarge + std::to_string(Settings(*program.registry).history().megabytes) +
            texts.tooLargeEnd,
        Answer::Yes);
  }
  ui::fMain& main = program.windows->main;
  ui::fire(main.CommandKartenentfernen.onClick);
  if (chosen->package) {
    const int row = packageRow(main, *chosen->package);
    if (row < 0) return 1;
    doubleClick(main.ListMapsetGMP, row);
    return packageRow(main, *chosen->package) < 0 ? 0 : 1;
  }
  const int row = registrationRow(main, chosen->registry->entry);
  if (row < 0) return 1;
  doubleClick(main.ListLoeschen, row);
  return registrationRow(main, chosen->registry->entry) < 0 ? 0 : 1;
}

void addRemove(CommandLine& commandLine) {
  auto args = std::make_shared<RemoveArguments>();
  CLI::App& command =
      commandLine.add("remove", [args](Context& context) { return remove(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.flag(command, "--yes", args->yes);
  commandLine.argument(command, "MAPSET", args->mapset)->required();
}

}  // namespace mapsetdesk::cli
