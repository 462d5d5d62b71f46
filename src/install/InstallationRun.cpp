#include "install/InstallationRun.h"

#include <filesystem>
#include <system_error>

#include "app/ProductTitle.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/Registration.h"
#include "install/GmapCreation.h"
#include "install/MapFolderRights.h"
#include "install/MapsetEintragen.h"
#include "install/NewMapsetChecks.h"
#include "install/OverviewBuild.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

// mkgmap's output begins its useful part here; what comes before is dropped.
constexpr std::string_view kMkgmapStart = "Importing and preprocessing data";

void tell(Services& services, const std::string& text, std::string_view title) {
  services.dialogs.message({text, std::string(title), Buttons::Ok, Icon::None});
}

bool acceptable(Services& services, const MessageCatalogue& texts, const NewInstallation& job) {
  if (job.tiles.empty()) return false;
  if (job.mapsetName.empty() || cutAtForbiddenCharacter(job.mapsetName).cut) {
    tell(services, texts.text(job.mapsetName.empty() ? key::Fehler18 : key::Satzumlaut),
         kMessageTitle);
    return false;
  }
  if (!fidFromText(job.fidText)) {
    tell(services, texts.text(key::Fehler19), kMessageTitle);
    return false;
  }
  return true;
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
                                        job.pfad, *fidFromText(job.fidText), job.fidText};
  MapsetEintragen(services.registry, services.dialogs, texts.text(key::Fehler29),
                  session.vRegkey, registration);
  if (!session.vRegkey.vRegkey) {
    view.showReport({});
    return InstallOutcome::RegistrationFailed;
  }
  view.showReport(texts.text(key::Text2));
  tell(services, texts.text(key::Fehler8), kMessageTitle);
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

}  // namespace

InstallResult runNewInstallation(Services& services, Session& session, InstallationView& view,
                                 const NewInstallation& job) {
  const MessageCatalogue& texts = session.texts;
  InstallResult result;
  if (!acceptable(services, texts, job)) return result;
  grantMapFolders(services, session);
  result.outcome = InstallOutcome::ToolsMissing;
  if (!compilerPresent(services, texts)) return result;
  result.mapname = makeMapname(job.mapsetName);
  const OverviewJob overview{job.tiles, job.mapsetName, job.fidText, result.mapname,
                             job.outputFolder};
  runGmtStep(services, texts, view, overview);
  view.showToolWindow();
  const std::string gmtOutput = view.toolWindow().text();
  const std::string tileFolder = pathText(filePath(job.tiles.front()).parent_path());
  result.outcome = InstallOutcome::NoTdb;
  if (!isFile(joinPath(tileFolder, result.mapname + ".tdb"))) {
    tell(services, texts.text(key::Fehler41), kTitleWithBuild);
    return result;
  }
  result.outcome = InstallOutcome::NoOverview;
  if (!compileOverview(services, texts, view, overview)) return result;
  trimToolText(view.toolWindow());
  removeFile(joinPath(tileFolder, result.mapname + ".reg"));
  const Answer layout = services.dialogs.message(
      {texts.text(key::Satz43), std::string(kMessageTitle), Buttons::YesNo, Icon::Question});
  result.outcome = layout == Answer::Yes
                       ? createPackage(services, session, view, job, result)
                       : registerMapset(services, session, view, job, result.mapname);
  view.toolWindow().setText(gmtOutput + "\n" + view.toolWindow().text());
  return result;
}

}  // namespace mapsetdesk
