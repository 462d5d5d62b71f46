// The checks of the registration window's action buttons that come before
// any file or key is written: the IDs, and what is installed already.
#include "app/messages/IdTexts.h"
#include "app/messages/InstallTexts.h"
#include "catalogue/GmapCatalogue.h"
#include "catalogue/Registration.h"
#include "install/ExistingTdbPackage.h"
#include "install/ExistingTdbRegistration.h"
#include "install/InstallClashes.h"
#include "install/InstallMessages.h"
#include "install/NewMapsetChecks.h"
#include "ui/forms/FormTDBvorhanden.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

bool FormTDBvorhanden::idsAcceptable() {
  const Sprache sprache = session_.texts.sprache().value_or(Sprache::Deutsch);
  const IdFault fid = idFault(TextID.text());
  if (fid == IdFault::NotANumber) {
    say(kWrongId);
    return false;
  }
  if (fid != IdFault::None) {
    say(idFaultText(sprache, IdKind::Fid, fid));
    return false;
  }
  const IdFault pid = idFault(TextPID.text());
  if (pid != IdFault::None) say(idFaultText(sprache, IdKind::Pid, pid));
  return pid == IdFault::None;
}

bool FormTDBvorhanden::packageNameAcceptable() {
  const std::string folderName = nameForFiles(existingPackageName(Text1.text()));
  const NameFault fault = mapsetNameFault(folderName);
  if (fault == NameFault::None || fault == NameFault::AboveAscii) return true;
  const Sprache sprache = session_.texts.sprache().value_or(Sprache::Deutsch);
  services_.dialogs.message({fault == NameFault::NotInFileNames
                                 ? nameNotInFileNamesText(sprache)
                                 : nameWithoutLetterText(sprache),
                             std::string(kSelectionTitle), Buttons::Ok, Icon::Exclamation});
  return false;
}

bool FormTDBvorhanden::clashFree(bool package) {
  main_.TDBlesen();
  main_.GMPFileslisten();
  const ExistingMapset mapset = mapsetOfFields();
  const std::string folder =
      package ? existingPackageFolder(
                    gmapFolders(services_.registry, services_.facts, session_.vReg6432).allUsers,
                    mapset.name)
              : std::string();
  const auto clash =
      existingMapsetClash(services_.registry, {main_.registryCatalogue(), main_.gmapCatalogue()},
                          mapset.tdb, existingFamilyKeyName(mapset), folder);
  if (!clash) return true;
  services_.dialogs.message({clashText(session_.texts.sprache().value_or(Sprache::Deutsch),
                                       clash->kind, clash->what, clash->mapset),
                             std::string(kSelectionTitle), Buttons::Ok, Icon::Exclamation});
  return false;
}

}  // namespace mapsetdesk::ui
