// import FOLDER [--to DIR] [--all-users|--user] [--no-installer] [--yes]:
// the export and import window's import, its choosers and questions
// answered by the options; without --no-installer the installer question is
// answered yes and the download list printed. Prints the list rows of the
// imported mapset.
#include <optional>
#include <ostream>

#include "catalogue/GmapCatalogue.h"
#include "cli/TransferWindow.h"
#include "platform/FilePath.h"
#include "transfer/ImportSource.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] =
    "import FOLDER [--to DIR] [--all-users|--user] [--no-installer] [--yes]";

struct ImportOptions {
  std::string source;
  std::string to;
  std::optional<bool> allUsers;
  bool installer = true;
  bool replace = false;
};

std::optional<ImportOptions> parseOptions(const std::vector<std::string>& args) {
  ImportOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--to" && i + 1 < args.size()) options.to = absolutePathText(args[++i]);
    else if (args[i] == "--all-users") options.allUsers = true;
    else if (args[i] == "--user") options.allUsers = false;
    else if (args[i] == "--no-installer") options.installer = false;
    else if (args[i] == "--yes") options.replace = true;
    else if (options.source.empty() && !args[i].starts_with("--"))
      options.source = absolutePathText(args[i]);
    else return std::nullopt;
  }
  if (options.source.empty()) return std::nullopt;
  return options;
}

// The folder the copy goes into, as the window will choose it.
std::string destinationOf(HeadlessProgram& program, const ImportOptions& options) {
  if (!options.to.empty() || importKind(options.source) == ImportKind::Registered)
    return options.to;
  const GmapFolders folders =
      gmapFolders(*program.registry, *program.facts, program.session.vReg6432);
  return *options.allUsers ? folders.allUsers : folders.user;
}

void answerWindow(HeadlessProgram& program, ui::ExportImport& window,
                  const ImportOptions& options) {
  const ExportImportTexts& texts = window.texts();
  program.stream.answerFolder(texts.sourceTitle, options.source);
  if (!options.to.empty()) program.stream.answerFolder(texts.destinationTitle, options.to);
  if (importKind(options.source) == ImportKind::Package) window.packageDestination = options.to;
  if (options.allUsers)
    program.stream.answer(texts.allUsers + program.session.userName,
                          *options.allUsers ? Answer::Yes : Answer::No);
  const std::string copy = copiedFolder(options.source, destinationOf(program, options));
  if (options.replace)
    program.stream.answer(texts.replaceFolder + copy + texts.replaceQuestion, Answer::Yes);
  program.stream.answer(texts.installer, options.installer ? Answer::Yes : Answer::No);
}

bool optionsFitFolder(const ImportOptions& options) {
  switch (importKind(options.source)) {
    case ImportKind::Registered: return !options.to.empty();
    case ImportKind::Package: return !options.to.empty() || options.allUsers.has_value();
    case ImportKind::Neither: return true;
  }
  return true;
}

}  // namespace

int importFolder(Context& context) {
  const auto options = parseOptions(context.args);
  if (!options || !optionsFitFolder(*options)) return usageError(context, kUsage);
  if (!readCatalogues(context)) return 1;
  HeadlessProgram program(context);
  ui::ExportImport& window = openTransferWindow(program);
  answerWindow(program, window, *options);
  ui::fire(window.CommandImport.onClick);
  if (!window.importCompleted()) return 1;
  if (window.ListURL.shown())
    for (const std::string& source : window.ListURL.items()) context.out << source << '\n';
  printRowsIn(context, copiedFolder(options->source, destinationOf(program, *options)));
  return 0;
}

}  // namespace mapsetdesk::cli
