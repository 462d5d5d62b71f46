// convert MAPSET --to-gmap: the export and import window's button that
// turns a registered mapset into a gmap package; the registration stays.
// Prints the list rows of the package.
#include <algorithm>

#include "cli/TransferWindow.h"

namespace mapsetdesk::cli {

int convert(Context& context) {
  std::vector<std::string> args = context.args;
  takeMapsetKind(args);
  const auto toGmap = std::find(args.begin(), args.end(), "--to-gmap");
  if (toGmap == args.end()) return usageError(context, "convert MAPSET --to-gmap");
  args.erase(toGmap);
  if (args.size() != 1) return usageError(context, "convert MAPSET --to-gmap");
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args[0], MapsetKind::Registry);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  ui::ExportImport& window = openTransferWindow(program);
  if (!selectMapset(window, *chosen)) return 1;
  ui::fire(window.CommandGmap.onClick);
  if (!window.convertedPackage()) return 1;
  printRowsIn(context, window.convertedPackage()->folder);
  return 0;
}

}  // namespace mapsetdesk::cli
