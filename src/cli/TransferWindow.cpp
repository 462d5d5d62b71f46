#include "cli/TransferWindow.h"

#include <ostream>

#include "transfer/ImportSource.h"

namespace mapsetdesk::cli {

ui::ExportImport& openTransferWindow(HeadlessProgram& program) {
  ui::fire(program.windows->main.CmdExpImp.onClick);
  return program.windows->exportImport;
}

bool selectMapset(ui::ExportImport& window, const ChosenMapset& mapset) {
  const ui::fMain& main = window.program().main;
  if (mapset.registry) {
    const auto& rows = main.registryCatalogue().rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].entry.root == mapset.registry->entry.root &&
          rows[i].entry.subkeyPath == mapset.registry->entry.subkeyPath) {
        window.ListIMG.setListIndex(static_cast<int>(i));
        return true;
      }
    return false;
  }
  const auto& rows = main.gmapCatalogue().rows;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].infoXml == mapset.package->infoXml && rows[i].pid == mapset.package->pid) {
      window.Listgmp.setListIndex(static_cast<int>(i));
      return true;
    }
  return false;
}

void printRowsIn(Context& context, const std::string& folder) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return;
  for (const CatalogueRow& row : catalogues->registry.rows)
    if (sameFolder(row.entry.tileFolder, folder)) printRegistryRow(context.out, row);
  for (const GmapRow& row : catalogues->packages.rows)
    if (sameFolder(packageFolder(row), folder)) printGmapRow(context.out, row);
}

}  // namespace mapsetdesk::cli
