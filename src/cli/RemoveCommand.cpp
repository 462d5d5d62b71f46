// remove [--registry|--gmap] MAPSET [--yes]: the main window's removal,
// driven as a person drives it: the removal button, then a double-click on
// the mapset's row; --yes answers the question before it. The removal is in
// the history and can be undone.
#include <algorithm>
#include <ostream>

#include "app/messages/MessageKeys.h"
#include "cli/CatalogueReading.h"
#include "cli/HeadlessProgram.h"
#include "cli/MapsetChoice.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "remove [--registry|--gmap] MAPSET [--yes]";

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

int remove(Context& context) {
  std::vector<std::string> args = context.args;
  const MapsetKind kind = takeMapsetKind(args);
  const auto yesFlag = std::find(args.begin(), args.end(), "--yes");
  const bool yes = yesFlag != args.end();
  if (yes) args.erase(yesFlag);
  if (args.size() != 1) return usageError(context, kUsage);
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.front(), kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  if (yes)
    program.stream.answer(program.session.texts.text(key::Satz21),
                          chosen->package ? Answer::Yes : Answer::Ok);
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

}  // namespace mapsetdesk::cli
