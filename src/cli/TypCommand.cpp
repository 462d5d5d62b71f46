// typ MAPSET FILE | typ MAPSET --remove: the main window's TYP assignment,
// driven as a person drives it: the TYP button, a double-click on the
// mapset, the TYP file chosen in the chooser (or the chooser switched off),
// then the action button. --yes answers the question before a removal.
#include <algorithm>
#include <ostream>

#include "app/messages/MessageKeys.h"
#include "cli/CatalogueReading.h"
#include "cli/HeadlessProgram.h"
#include "cli/MainWindowPick.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "typ [--registry|--gmap] [--yes] MAPSET FILE|--remove";

bool takeFlag(std::vector<std::string>& args, const std::string& flag) {
  const auto found = std::find(args.begin(), args.end(), flag);
  if (found == args.end()) return false;
  args.erase(found);
  return true;
}

// The file chosen in the chooser, as a person goes to its folder and clicks
// it; false when the chooser does not offer it.
bool chooseTypFile(ui::fMain& main, const std::string& file) {
  const auto path = filePath(absolutePathText(file));
  main.DirTypefile.setPath(pathText(path.parent_path()));
  const auto& names = main.FileTypefile.items();
  const auto found = std::find(names.begin(), names.end(), pathText(path.filename()));
  if (found == names.end()) return false;
  main.FileTypefile.setListIndex(static_cast<int>(found - names.begin()));
  return true;
}

}  // namespace

int typ(Context& context) {
  std::vector<std::string> args = context.args;
  const MapsetKind kind = takeMapsetKind(args);
  const bool yes = takeFlag(args, "--yes");
  const bool remove = takeFlag(args, "--remove");
  if (args.size() != (remove ? 1u : 2u)) return usageError(context, kUsage);
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.front(), kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  if (yes) program.stream.answer(program.session.texts.text(key::Fehler16), Answer::Yes);
  ui::fMain& main = program.windows->main;
  ui::fire(main.CommandTypeaendern.onClick);
  if (!pickInMainWindow(main, *chosen)) return 1;
  if (remove) {
    main.CheckTypfile.setValue(false);
  } else if (!chooseTypFile(main, args.back())) {
    context.err << "typ: the chooser offers no TYP file " << args.back()
                << " (its name must be eight characters and .typ)\n";
    return 1;
  }
  ui::fire(main.CommandDoIt.onClick);
  return main.lastEditCompleted() ? 0 : 1;
}

}  // namespace mapsetdesk::cli
