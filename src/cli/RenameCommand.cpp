// rename MAPSET NEWNAME: the main window's rename, driven as a person drives
// it: the rename button, a double-click on the mapset, the new name typed and
// the field left, then the accept button.
#include <ostream>

#include "cli/CatalogueReading.h"
#include "cli/HeadlessProgram.h"
#include "cli/MainWindowPick.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "rename [--registry|--gmap] MAPSET NEWNAME";

// Types the text and leaves the field, as a person does.
void enter(ui::TextBox& field, const std::string& text) {
  field.setText(text);
  if (field.onValidate) field.onValidate();
}

}  // namespace

int renameMapset(Context& context) {
  std::vector<std::string> args = context.args;
  const MapsetKind kind = takeMapsetKind(args);
  if (args.size() != 2) return usageError(context, kUsage);
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.front(), kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  ui::fMain& main = program.windows->main;
  ui::fire(main.CommandMapnameAendern.onClick);
  if (!pickInMainWindow(main, *chosen)) return 1;
  enter(main.TextMapsetname, args.back());
  if (!main.CommandNameuebernehmen.enabled) return 1;
  ui::fire(main.CommandNameuebernehmen.onClick);
  return main.lastEditCompleted() ? 0 : 1;
}

}  // namespace mapsetdesk::cli
