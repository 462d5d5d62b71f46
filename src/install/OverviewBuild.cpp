#include "install/OverviewBuild.h"

#include <filesystem>
#include <system_error>

#include "app/ProductTitle.h"
#include "app/messages/MessageKeys.h"
#include "install/HelperFiles.h"
#include "install/InstallMessages.h"
#include "install/OverviewSourcePatch.h"
#include "install/ToolCommandLines.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

constexpr char kJavaKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
constexpr char kJavaVersion[] = "CurrentVersion";

void tell(Services& services, const std::string& text, std::string_view title) {
  services.dialogs.message({text, std::string(title), Buttons::Ok, Icon::None});
}

void removeFile(const std::string& path) {
  std::error_code ignored;
  if (!path.empty()) std::filesystem::remove(filePath(path), ignored);
}

std::string generated(const OverviewJob& job, const char* extension) {
  return joinPath(job.outputFolder, job.mapname + extension);
}

// The folder of the first tile, without its separator.
std::string tileFolder(const OverviewJob& job) {
  return pathText(filePath(job.tiles.front()).parent_path());
}

void showHint(Services& services, const MessageCatalogue& texts) {
  tell(services, texts.cgpsmapperHint(), kTitleWithBuild);
}

// One mkgmap run; false when it could not be started for want of mkgmap.jar.
bool runMkgmap(Services& services, const MessageCatalogue& texts, InstallationView& view,
               const OverviewJob& job) {
  if (!services.runner.hasProgram(mkgmapJarPath(services.programFolder))) {
    tell(services, texts.text(key::Fehler40), kTitleWithBuild);
    return false;
  }
  const std::string options = writeHelperFile(
      services.programFolder, kMkgmapOptionsName,
      mkgmapOptionsText(job.fidText, job.mapname, job.outputFolder));
  const std::string inputs =
      writeHelperFile(services.programFolder, kMkgmapInputsName, mkgmapInputsText(job.tiles));
  view.toolWindow().WaitForApplication(
      mkgmapCommandLine(services.programFolder, options, inputs));
  removeFile(inputs);
  removeFile(options);
  return true;
}

// Asks, as long as no overview exists, whether mkgmap shall try.
bool fallBack(Services& services, const MessageCatalogue& texts, InstallationView& view,
              const OverviewJob& job) {
  while (!isFile(generated(job, ".img"))) {
    if (fRegAbfrageWert(services.registry, Root::LocalMachine, kJavaKey, kJavaVersion).empty() &&
        !services.runner.hasProgram("java")) {
      showHint(services, texts);
      return false;
    }
    const Answer answer = services.dialogs.message({texts.text(key::Fehler9),
                                                    std::string(kTitleWithBuild), Buttons::YesNo,
                                                    Icon::None});
    if (answer != Answer::Yes) {
      showHint(services, texts);
      return false;
    }
    if (!runMkgmap(services, texts, view, job)) return false;
  }
  return true;
}

}  // namespace

bool compilerPresent(Services& services, const MessageCatalogue& texts) {
  if (!services.runner.hasProgram(cgpsmapperPath(services.programFolder))) {
    tell(services, texts.text(key::Fehler13), kVersionTitle);
    return false;
  }
  const std::string companion = sendgPath(services.programFolder);
  if (!services.runner.hasProgram(companion)) {
    tell(services, texts.text(key::Fehler33) + pathText(filePath(companion).parent_path()),
         kMessageTitle);
    return false;
  }
  return true;
}

void runGmtStep(Services& services, const MessageCatalogue& texts, InstallationView& view,
                const OverviewJob& job) {
  const std::string list =
      writeHelperFile(services.programFolder, kTileListName, tileListText(job.tiles));
  if (!services.runner.hasProgram(gmtPath(services.programFolder))) {
    tell(services, texts.text(key::Fehler42), kMessageTitle);
    removeFile(list);
    return;
  }
  view.toolWindow().WaitForApplication(gmtTilesCommandLine(
      services.programFolder, job.fidText, job.mapsetName, job.mapname, job.outputFolder, list));
  const std::string tiles = tileFolder(job);
  removeFile(joinPath(tiles, "install.bat"));
  removeFile(joinPath(tiles, "uninstall.bat"));
  removeFile(list);
  patchOverviewSourceFile(generated(job, ".mp"));
}

bool compileOverview(Services& services, const MessageCatalogue& texts, InstallationView& view,
                     const OverviewJob& job) {
  const std::string source = generated(job, ".mp");
  if (isFile(source))
    view.toolWindow().WaitForApplication(cgpsmapperCommandLine(services.programFolder, source));
  return fallBack(services, texts, view, job);
}

}  // namespace mapsetdesk
