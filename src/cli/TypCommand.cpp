// typ MAPSET FILE | typ MAPSET --remove: the main window's TYP assignment,
// driven as a person drives it: the TYP button, a double-click on the
// mapset, the TYP file chosen in the chooser (or the chooser switched off),
// then the action button. --yes answers the question before a removal.
#include <algorithm>
#include <memory>
#include <ostream>

#include "app/messages/MessageKeys.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessProgram.h"
#include "cli/MainWindowPick.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {
namespace {

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

struct TypArguments {
  MapsetKind kind = MapsetKind::Any;
  bool yes = false;
  bool remove = false;
  std::string mapset;
  std::string file;
};

int typ(Context& context, const TypArguments& args) {
  if (args.remove == !args.file.empty())
    return usageError(context, "typ", context.texts().excludeEachOther + "FILE --remove");
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, args.kind);
  if (!chosen) return 1;
  HeadlessProgram program(context);
  if (args.yes) program.stream.answer(program.session.texts.text(key::Fehler16), Answer::Yes);
  ui::fMain& main = program.windows->main;
  ui::fire(main.CommandTypeaendern.onClick);
  if (!pickInMainWindow(main, *chosen)) return 1;
  if (args.remove) {
    main.CheckTypfile.setValue(false);
  } else if (!chooseTypFile(main, args.file)) {
    const CliTexts& texts = context.texts();
    context.err << texts.noTypFile << args.file << texts.noTypFileEnd << '\n';
    return 1;
  }
  ui::fire(main.CommandDoIt.onClick);
  return main.lastEditCompleted() ? 0 : 1;
}

}  // namespace

void addTyp(CommandLine& commandLine) {
  auto args = std::make_shared<TypArguments>();
  CLI::App& command =
      commandLine.add("typ", [args](Context& context) { return typ(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.flag(command, "--yes", args->yes);
  commandLine.flag(command, "--remove", args->remove);
  commandLine.argument(command, "MAPSET", args->mapset)->required();
  commandLine.argument(command, "FILE", args->file);
}

}  // namespace mapsetdesk::cli
