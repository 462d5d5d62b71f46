#include "install/InstallationRun.h"

#include <filesystem>
#include <system_error>

#include "app/JournaledRun.h"
#include "app/ProductTitle.h"
#include "app/messages/IdTexts.h"
#include "app/messages/InstallTexts.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/IdNumber.h"
#include "catalogue/Registration.h"
#include "install/GmapCreation.h"
#include "install/InstallMessages.h"
#include "install/MapFolderRights.h"
#include "install/MapsetEintragen.h"
#include "install/NewMapsetChecks.h"
#include "install/OverviewBuild.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

// The files an installation may leave in the tile folder: its TDB, overview,
// overview source, index and registry script, and the batch files gmt.exe
// writes there.
constexpr const char* kWrittenExtensions[] = {".tdb", ".img", ".mp", ".mdx", ".reg"};
constexpr const char* kWrittenHelpers[] = {"install.bat", "uninstall.bat"};

// mkgmap's output begins its useful part here; what comes before is dropped.
constexpr std::string_view kMkgmapStart = "Importing and preprocessing data";

void tell(Services& services, const std::string& text, std::string_view title) {
  services.dialogs.message({text, std::string(title), Buttons::Ok, Icon::None});
}

Sprache spracheOf(const MessageCatalogue& texts) {
  return texts.sprache().value_or(Sprache::Deutsch);
}

std::string nameFaultText(const MessageCatalogue& texts, NameFault fault) {
  switch (fault) {
    case NameFault::Empty:
      return texts.text(key::Fehler18);
    case NameFault::AboveAscii:
      return texts.text(key::Satzumlaut);
    case NameFault::NotInFileNames:
      return nameNotInFileNamesText(spracheOf(texts));
    default:
      return nameWithoutLetterText(spracheOf(texts));
  }
}

std::string_view nameFaultTitle(NameFault fault) {
  return fault == NameFault::Empty || fault == NameFault::AboveAscii ? kMessageTitle
                                                                     : kSelectionTitle;
}

// The checks of name and FID, each with its message; false on a refusal.
bool acceptable(Services& services, const MessageCatalogue& texts, const NewInstallation& job,
                const InstalledMapsets& installed) {
  if (job.tiles.empty()) return false;
  if (const NameFault fault = mapsetNameFault(job.mapsetName); fault != NameFault::None) {
    tell(services, nameFaultText(texts, fault), nameFaultTitle(fault));
    return false;
  }
  if (registeredNameCount(job.mapsetName, installed.registry) > 0) {
    tell(services, texts.text(key::Fehler5), kSelectionTitle);
    return false;
  }
  if (const IdFault fault = idFault(job.fidText); fault != IdFault::None) {
    tell(services, idFaultText(spracheOf(texts), IdKind::Fid, fault), kMessageTitle);
    return false;
  }
  if (fidClash(job.fidText, installed.registry, installed.packages) == FidClash::Registered) {
    tell(services, texts.text(key::Fehler2), kMessageTitle);
    return false;
  }
  return true;
}

// Nothing of an installed mapset may be overwritten: refused before the
// outside programs write the first file.
bool clashFree(Services& services, const MessageCatalogue& texts, const NewInstallation& job,
               const InstalledMapsets& installed, const std::string& mapname) {
  const auto clash =
      newMapsetClash(services.registry, installed, job.outputFolder, mapname,
                     *idFromText(job.fidText), newPackageFolder(services.facts, job.mapsetName));
  if (!clash) return true;
  tell(services, clashText(spracheOf(texts), clash->kind, clash->what, clash->mapset),
       kSelectionTitle);
  return false;
}

void trimToolText(ToolWindow& tool) {
  const std::string text = tool.text();
  const std::size_t start = text.find(kMkgmapStart);
  if (start != std::string::npos) tool.setText(text.substr(start));
}

void removeFile(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(filePath(path), ignored);
}

InstallOutcome registerMapset(Services& services, Session& session, InstallationView& view,
                              const NewInstallation& job, const std::string& mapname) {
  const MessageCatalogue& texts = session.texts;
  session.vRegistryKey = rootKeyPath(session.vReg6432, RegistrationRoot::Families);
  const MapsetRegistration registration{session.vRegistryKey, session.vReg6432, mapname,
                                        job.pfad, *idFromText(job.fidText), job.fidText};
  MapsetEintragen(services.registry, services.dialogs, texts.text(key::Fehler29),
                  session.vRegkey, registration);
  if (!session.vRegkey.vRegkey) {
    view.showReport({});
    return InstallOutcome::RegistrationFailed;
  }
  view.showReport(texts.text(key::Text2));
  return InstallOutcome::Registered;
}

InstallOutcome createPackage(Services& services, Session& session, InstallationView& view,
                             const NewInstallation& job, InstallResult& result) {
  const GmapJob package{job.mapsetName, job.fidText, result.mapname, job.outputFolder, job.tiles};
  const GmapResult made = gmaperzeugen(services, session.texts, view, package);
  result.packageFolder = made.packageFolder;
  return made.outcome == GmapOutcome::Complete ? InstallOutcome::Packaged
                                               : InstallOutcome::PackageIncomplete;
}

// What the outside programs and the run write beside the tiles and into
// the package: declared before the first of them runs, so that a failed or
// interrupted run leaves nothing behind and an undo takes it all away.
bool declareNewFiles(JournalEntry& entry, SystemFacts& facts, const NewInstallation& job,
                     const std::string& mapname) {
  const std::string tileFolder = pathText(filePath(job.tiles.front()).parent_path());
  for (const std::string& folder : {job.outputFolder, tileFolder}) {
    for (const char* extension : kWrittenExtensions)
      if (!entry.keepFile(joinPath(folder, mapname + extension))) return false;
    for (const char* helper : kWrittenHelpers)
      if (!entry.keepFile(joinPath(folder, helper))) return false;
  }
  return entry.keepNewFolder(newPackageFolder(facts, job.mapsetName));
}

bool finished(InstallOutcome outcome) {
  return outcome == InstallOutcome::Registered || outcome == InstallOutcome::Packaged ||
         outcome == InstallOutcome::PackageIncomplete;
}

// From the outside programs to the layout the person chooses.
InstallOutcome install(Services& services, Session& session, InstallationView& view,
                       const NewInstallation& job, InstallResult& result) {
  const MessageCatalogue& texts = session.texts;
  const OverviewJob overview{job.tiles, job.mapsetName, job.fidText, result.mapname,
                             job.outputFolder};
  runGmtStep(services, texts, view, overview);
  view.showToolWindow();
  const std::string gmtOutput = view.toolWindow().text();
  const std::string tileFolder = pathText(filePath(job.tiles.front()).parent_path());
  if (!isFile(joinPath(tileFolder, result.mapname + ".tdb"))) {
    tell(services, texts.text(key::Fehler41), kTitleWithBuild);
    return InstallOutcome::NoTdb;
  }
  if (!compileOverview(services, texts, view, overview)) return InstallOutcome::NoOverview;
  trimToolText(view.toolWindow());
  removeFile(joinPath(tileFolder, result.mapname + ".reg"));
  const Answer layout = services.dialogs.message(
      {texts.text(key::Satz43), std::string(kMessageTitle), Buttons::YesNo, Icon::Question});
  const InstallOutcome outcome = layout == Answer::Yes
                                     ? createPackage(services, session, view, job, result)
                                     : registerMapset(services, session, view, job, result.mapname);
  view.toolWindow().setText(gmtOutput + "\n" + view.toolWindow().text());
  return outcome;
}

}  // namespace

InstallResult runNewInstallation(Services& services, Session& session, InstallationView& view,
                                 const NewInstallation& job, const InstalledMapsets& installed) {
  const MessageCatalogue& texts = session.texts;
  InstallResult result;
  if (!acceptable(services, texts, job, installed)) return result;
  const std::string mapname = makeMapname(job.mapsetName);
  if (!clashFree(services, texts, job, installed, mapname)) return result;
  grantMapFolders(services, session);
  result.outcome = InstallOutcome::ToolsMissing;
  if (!compilerPresent(services, texts)) return result;
  result.outcome = InstallOutcome::Refused;
  result.mapname = mapname;
  const bool kept = journaledRun(
      services, spracheOf(texts), "install", job.mapsetName,
      [&](Services& recorded, JournalEntry& entry) {
        if (!declareNewFiles(entry, services.facts, job, mapname)) return false;
        result.outcome = install(recorded, session, view, job, result);
        return finished(result.outcome);
      });
  if (!kept && finished(result.outcome)) {
    result.outcome = InstallOutcome::Refused;
    result.packageFolder.clear();
  }
  if (result.outcome == InstallOutcome::Registered)
    tell(services, texts.text(key::Fehler8), kMessageTitle);
  return result;
}

InstallResult installWithoutHistory(Services& services, Session& session, InstallationView& view,
                                    const NewInstallation& job) {
  InstallResult result;
  result.mapname = makeMapname(job.mapsetName);
  result.outcome = install(services, session, view, job, result);
  return result;
}

}  // namespace mapsetdesk
