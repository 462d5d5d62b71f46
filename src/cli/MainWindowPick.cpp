#include "cli/MainWindowPick.h"

namespace mapsetdesk::cli {
namespace {

template <typename Row, typename Same>
int rowOf(const std::vector<Row>& rows, Same same) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (same(rows[i])) return static_cast<int>(i);
  return -1;
}

void doubleClick(ui::ListBox& list, int row) {
  list.setListIndex(row);
  ui::fire(list.onDblClick);
}

}  // namespace

bool pickInMainWindow(ui::fMain& main, const ChosenMapset& chosen) {
  if (chosen.package) {
    const int row = rowOf(main.gmapCatalogue().rows, [&](const GmapRow& candidate) {
      return candidate.infoXml == chosen.package->infoXml && candidate.pid == chosen.package->pid;
    });
    if (row >= 0) doubleClick(main.ListMapsetGMP, row);
    return row >= 0;
  }
  const CatalogueEntry& wanted = chosen.registry->entry;
  const int row = rowOf(main.registryCatalogue().rows, [&](const CatalogueRow& candidate) {
    return candidate.entry.root == wanted.root && candidate.entry.subkeyPath == wanted.subkeyPath;
  });
  if (row >= 0) doubleClick(main.ListMapsetName, row);
  return row >= 0;
}

}  // namespace mapsetdesk::cli
