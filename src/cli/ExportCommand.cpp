// export MAPSET: the export and import window's export of one mapset, as a
// person marks it and presses the export button; a package's question is
// answered by the command itself. Prints the folder to copy.
#include <memory>
#include <ostream>

#include "app/messages/ExportImportTexts.h"
#include "formats/FileBytes.h"
#include "transfer/PackageName.h"
#include "cli/CommandLine.h"
#include "cli/TransferWindow.h"

namespace mapsetdesk::cli {
namespace {

// The package's " exportieren?" question, answered yes.
void answerPackageQuestion(HeadlessProgram& program, const GmapRow& package) {
  const auto name = subProductName(readFileBytes(package.infoXml).bytes);
  if (name) program.stream.answer(*name + kExportQuestion, Answer::Yes);
}

struct ExportArguments {
  MapsetKind kind = MapsetKind::Any;
  std::string mapset;
};

int exportMapset(Context& context, const ExportArguments& args) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, args.kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  ui::ExportImport& window = openTransferWindow(program);
  if (!selectMapset(window, *chosen)) return 1;
  if (chosen->package) answerPackageQuestion(program, *chosen->package);
  ui::fire(window.CommandExport.onClick);
  if (window.exportedFolder().empty()) return 1;
  context.out << window.exportedFolder() << '\n';
  return 0;
}

}  // namespace

void addExport(CommandLine& commandLine) {
  auto args = std::make_shared<ExportArguments>();
  CLI::App& command = commandLine.add(
      "export", [args](Context& context) { return exportMapset(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.argument(command, "MAPSET", args->mapset)->required();
}

}  // namespace mapsetdesk::cli
