// rename MAPSET NEWNAME: the main window's rename, driven as a person drives
// it: the rename button, a double-click on the mapset, the new name typed and
// the field left, then the accept button.
#include <memory>
#include <ostream>

#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessProgram.h"
#include "cli/MainWindowPick.h"

namespace mapsetdesk::cli {
namespace {

// Types the text and leaves the field, as a person does.
void enter(ui::TextBox& field, const std::string& text) {
  field.setText(text);
  if (field.onValidate) field.onValidate();
}

struct RenameArguments {
  MapsetKind kind = MapsetKind::Any;
  std::string mapset;
  std::string newName;
};

int renameMapset(Context& context, const RenameArguments& args) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, args.kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  ui::fMain& main = program.windows->main;
  ui::fire(main.CommandMapnameAendern.onClick);
  if (!pickInMainWindow(main, *chosen)) return 1;
  enter(main.TextMapsetname, args.newName);
  if (!main.CommandNameuebernehmen.enabled) return 1;
  ui::fire(main.CommandNameuebernehmen.onClick);
  return main.lastEditCompleted() ? 0 : 1;
}

}  // namespace

void addRename(CommandLine& commandLine) {
  auto args = std::make_shared<RenameArguments>();
  CLI::App& command = commandLine.add(
      "rename", [args](Context& context) { return renameMapset(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.argument(command, "MAPSET", args->mapset)->required();
  commandLine.argument(command, "NEWNAME", args->newName)->required();
}

}  // namespace mapsetdesk::cli
