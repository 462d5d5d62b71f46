// import FOLDER [--to DIR] [--all-users|--user] [--no-installer] [--yes]:
// the export and import window's import, its choosers and questions
// answered by the options; without --no-installer the installer question is
// answered yes and the download list printed. Prints the list rows of the
// imported mapset.
#include <memory>
#include <optional>
#include <ostream>

#include "catalogue/GmapCatalogue.h"
#include "cli/CommandLine.h"
#include "cli/TransferWindow.h"
#include "platform/FilePath.h"
#include "transfer/ImportSource.h"

namespace mapsetdesk::cli {
namespace {

struct ImportOptions {
  std::string source;
  std::string to;
  std::optional<bool> allUsers;
  bool installer = true;
  bool replace = false;
};

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

struct ImportArguments {
  std::string folder;
  std::string to;
  bool allUsers = false;
  bool user = false;
  bool noInstaller = false;
  bool yes = false;

  ImportOptions options() const {
    ImportOptions options;
    options.source = absolutePathText(folder);
    if (!to.empty()) options.to = absolutePathText(to);
    if (allUsers || user) options.allUsers = allUsers;
    options.installer = !noInstaller;
    options.replace = yes;
    return options;
  }
};

int importFolder(Context& context, const ImportArguments& args) {
  const ImportOptions options = args.options();
  if (!optionsFitFolder(options))
    return usageError(context, "import",
                      context.texts().missingArgument +
                          (importKind(options.source) == ImportKind::Registered
                               ? "--to"
                               : "--to | --all-users | --user"));
  if (!readCatalogues(context)) return 1;
  HeadlessProgram program(context);
  ui::ExportImport& window = openTransferWindow(program);
  answerWindow(program, window, options);
  ui::fire(window.CommandImport.onClick);
  if (!window.importCompleted()) return 1;
  if (window.ListURL.shown())
    for (const std::string& source : window.ListURL.items()) context.err << source << '\n';
  printRowsIn(context, copiedFolder(options.source, destinationOf(program, options)));
  return 0;
}

}  // namespace

void addImport(CommandLine& commandLine) {
  auto args = std::make_shared<ImportArguments>();
  CLI::App& command =
      commandLine.add("import", [args](Context& context) { return importFolder(context, *args); });
  commandLine.argument(command, "FOLDER", args->folder)->required();
  commandLine.option(command, "--to", args->to, "DIR");
  CLI::Option* allUsers = commandLine.flag(command, "--all-users", args->allUsers);
  commandLine.flag(command, "--user", args->user)->excludes(allUsers);
  commandLine.flag(command, "--no-installer", args->noInstaller);
  commandLine.flag(command, "--yes", args->yes);
}

}  // namespace mapsetdesk::cli
