// install: the installation run of the main window on tiles named on the
// command line, with the outside programs or the built-in tools as the
// Tools setting and the program folder choose. The name and the FID get the
// window's checks; the question between gmap package and registration is
// answered by --gmap (the preferred answer, also without an option) or
// --registry.
#include <memory>
#include <ostream>

#include "app/ProductTitle.h"
#include "app/Services.h"
#include "app/Session.h"
#include "app/Settings.h"
#include "app/ToolLauncher.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/FidAllocation.h"
#include "catalogue/IdNumber.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CapturedToolWindow.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/DeviceImageCommand.h"
#include "cli/StreamDialogs.h"
#include "install/ImgInputCheck.h"
#include "install/InstallMessages.h"
#include "install/InstallationRun.h"
#include "install/NewMapsetChecks.h"
#include "install/TileFiles.h"
#include "install/TileSelection.h"
#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "platform/ShellOpen.h"
#include "platform/Sound.h"

namespace mapsetdesk::cli {
namespace {

// The window warns when a gmap package has the FID; the run refuses a
// registered mapset's.
void warnOfPackageFid(Dialogs& dialogs, const MessageCatalogue& texts, const std::string& fidText,
                      const Catalogues& catalogues) {
  if (fidClash(fidText, catalogues.registry, catalogues.packages) == FidClash::Package)
    dialogs.message(
        {texts.text(key::Fehler2), std::string(kMessageTitle), Buttons::Ok, Icon::Exclamation});
}

// The tiles as the window's drop takes them; a file that is no tile refuses
// the whole command.
std::optional<TileSelection> selectTiles(Dialogs& dialogs, const MessageCatalogue& texts,
                                         const std::vector<std::string>& files,
                                         const std::string& programFolder) {
  const auto refuse = [&dialogs](const std::string& text) {
    dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, Icon::Exclamation});
    return std::nullopt;
  };
  for (const std::string& file : files) {
    if (!isTileFile(file)) return refuse(texts.text(key::Fehler23) + " : " + file);
    if (const auto fault = imgFileFault(file))
      return refuse(tileFaultText(texts.sprache().value_or(Sprache::Deutsch), *fault) + file);
  }
  TileSelection selection;
  const SelectionStep step = selection.drop(files, folderOf(files.front()), programFolder);
  if (step.note == SelectionNote::ProgramFolder) {
    dialogs.message({texts.text(key::Satz27), std::string(kMessageTitle), Buttons::Ok,
                     Icon::Exclamation});
    return std::nullopt;
  }
  return selection;
}

void printNewMapset(Context& context, const InstallResult& result, const std::string& fidText) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return;
  const std::string subkey = result.mapname + std::to_string(*idFromText(fidText)) + "\\1";
  for (const CatalogueRow& row : catalogues->registry.rows)
    if (row.entry.root == RegistrationRoot::Families && row.entry.subkeyPath == subkey)
      printRegistryRow(context.out, row);
  for (const GmapRow& row : catalogues->packages.rows)
    if (!result.packageFolder.empty() &&
        filePath(packageFolder(row)) == filePath(result.packageFolder))
      printGmapRow(context.out, row);
}

int installTiles(Context& context, const InstallArguments& options) {
  if (!options.name) return usageError(context, "install", context.texts().missingArgument + "--name");
  if (options.keepFid || options.freeFid || options.yes)
    return usageError(context, "install", context.texts().notADeviceImage);
  std::vector<std::string> tiles;
  for (const std::string& file : options.files) tiles.push_back(absolutePathText(file));
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto registry = openRegistry(context);
  const auto facts = openSystemFacts(context.platform);
  Session session;
  session.vReg6432 = *registryBaseFor(Settings(*registry).wow64());
  session.userName = facts->myGetUserName();
  session.texts.fill(context.sprache);
  StreamDialogs dialogs(context.err);
  dialogs.answer(session.texts.text(key::Satz43), options.registry ? Answer::No : Answer::Yes);

  std::string fidText;
  if (options.fid) {
    fidText = *options.fid;
  } else if (const auto free = FreieIdNr(catalogues->registry, catalogues->packages)) {
    fidText = std::to_string(*free);
  }
  warnOfPackageFid(dialogs, session.texts, fidText, *catalogues);
  const auto selection = selectTiles(dialogs, session.texts, tiles, context.programFolder);
  if (!selection) return 1;

  const auto sound = openSystemSound();
  const auto shell = openSystemShell();
  const auto systemProcesses = openSystemProcessLauncher();
  const auto processes = openToolLauncher(*systemProcesses, *registry, [] {});
  ToolRunner runner(*processes);
  const auto folders = openSystemFolderOps(dialogs);
  Services services{*registry, *facts, dialogs, *sound, *shell, runner, *folders,
                    context.programFolder};
  CapturedToolWindow view(runner);
  const std::string outputFolder =
      pathText(filePath(selection->entries().front()).parent_path());
  const NewInstallation job{selection->entries(), selection->pfad(), outputFolder,
                            *options.name, fidText};
  const InstallResult result =
      runNewInstallation(services, session, view, job, {catalogues->registry, catalogues->packages});
  if (result.outcome != InstallOutcome::Registered && result.outcome != InstallOutcome::Packaged) {
    if (!view.lastReport().empty()) context.err << view.lastReport() << '\n';
    return 1;
  }
  printNewMapset(context, result, fidText);
  return 0;
}

int install(Context& context, const InstallArguments& args) {
  if (isDeviceImageCall(args.files)) return installDeviceImage(context, args);
  return installTiles(context, args);
}

}  // namespace

void addInstall(CommandLine& commandLine) {
  auto args = std::make_shared<InstallArguments>();
  CLI::App& command =
      commandLine.add("install", [args](Context& context) { return install(context, *args); });
  CLI::Option* registry = commandLine.flag(command, "--registry", args->registry);
  commandLine.flag(command, "--gmap", args->gmap)->excludes(registry);
  commandLine.option(command, "--name", args->name, "NAME");
  commandLine.number(command, "--fid", args->fid);
  CLI::Option* keep = commandLine.flag(command, "--keep-fid", args->keepFid);
  commandLine.flag(command, "--free-fid", args->freeFid)->excludes(keep);
  commandLine.flag(command, "--yes", args->yes);
  commandLine.arguments(command, "FILE", args->files)->required();
}

}  // namespace mapsetdesk::cli
