// convert MAPSET --to-gmap: the export and import window's button that
// turns a registered mapset into a gmap package; the registration stays.
// Prints the list rows of the package.
#include <memory>

#include "cli/CommandLine.h"
#include "cli/TransferWindow.h"

namespace mapsetdesk::cli {
namespace {

struct ConvertArguments {
  std::string mapset;
  bool toGmap = false;
};

int convert(Context& context, const ConvertArguments& args) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, MapsetKind::Registry);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  ui::ExportImport& window = openTransferWindow(program);
  if (!selectMapset(window, *chosen)) return 1;
  ui::fire(window.CommandGmap.onClick);
  if (!window.convertedPackage()) return 1;
  printRowsIn(context, window.convertedPackage()->folder);
  return 0;
}

}  // namespace

void addConvert(CommandLine& commandLine) {
  auto args = std::make_shared<ConvertArguments>();
  CLI::App& command =
      commandLine.add("convert", [args](Context& context) { return convert(context, *args); });
  commandLine.argument(command, "MAPSET", args->mapset)->required();
  commandLine.flag(command, "--to-gmap", args->toGmap)->required();
}

}  // namespace mapsetdesk::cli
