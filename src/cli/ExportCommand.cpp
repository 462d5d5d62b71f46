// export MAPSET: the export and import window's export of one mapset, as a
// person marks it and presses the export button; a package's question is
// answered by the command itself. Prints the folder to copy.
#include <ostream>

#include "app/messages/ExportImportTexts.h"
#include "formats/FileBytes.h"
#include "transfer/PackageName.h"
#include "cli/TransferWindow.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "export [--registry|--gmap] MAPSET";

// The package's " exportieren?" question, answered yes.
void answerPackageQuestion(HeadlessProgram& program, const GmapRow& package) {
  const auto name = subProductName(readFileBytes(package.infoXml).bytes);
  if (name) program.stream.answer(*name + kExportQuestion, Answer::Yes);
}

}  // namespace

int exportMapset(Context& context) {
  std::vector<std::string> args = context.args;
  const MapsetKind kind = takeMapsetKind(args);
  if (args.size() != 1) return usageError(context, kUsage);
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args[0], kind);
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

}  // namespace mapsetdesk::cli
