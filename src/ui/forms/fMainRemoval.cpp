// The main window's removals: a double-click on a registered mapset in the
// removal list, or on a gmap package while the gmap list is in its removal
// mode. The lists are read afresh afterwards, so the row is gone.
#include "app/messages/MessageKeys.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/MapsetRemoval.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

bool fMain::germanTexts() const { return session_.texts.sprache() != Sprache::English; }

// The question is asked only about a row that exists, and its title names
// the mapset, since the question's text does not.
void fMain::ListLoeschen_DblClick() {
  const int row = ListLoeschen.listIndex();
  if (row < 0 || row >= static_cast<int>(catalogue_.rows.size())) return;
  Dialogs& dialogs = services_.dialogs;
  if (dialogs.message({session_.texts.text(key::Satz21),
                       removalTitle(ListLoeschen.item(row)), Buttons::OkCancel,
                       Icon::None}) != Answer::Ok)
    return;
  const RegistrationRemoval removal =
      removeRegistration(services_.registry, services_.folders, session_.vReg6432, catalogue_,
                         static_cast<std::size_t>(row), packages_);
  session_.vRegistryKey.clear();
  TDBlesen();
  CommandFilename.enabled = true;
  ListLoeschen.enabled = true;
  if (removal.keyKept) {
    dialogs.message(
        {registrationKeptText(germanTexts()), kCatalogueTitle, Buttons::Ok, Icon::Exclamation});
  }
  if (removal.denied)
    dialogs.message({kRemovalDenied, kCatalogueTitle, Buttons::Ok, Icon::None, true});
  for (const KeptFile& kept : removal.kept) {
    dialogs.message({fileKeptText(germanTexts(), kept.file, kept.user), kCatalogueTitle,
                     Buttons::Ok, Icon::Information});
  }
}

// The row that tells of missing map folders names no package: nothing to ask.
void fMain::removeGmapPackage() {
  const int row = ListMapsetGMP.listIndex();
  if (row < 0 || row >= static_cast<int>(packages_.rows.size())) return;
  Dialogs& dialogs = services_.dialogs;
  if (dialogs.message({session_.texts.text(key::Satz21), removalTitle(ListMapsetGMP.item(row)),
                       Buttons::YesNo, Icon::None}) != Answer::Yes)
    return;
  const PackageRemoval removal = removePackage(
      services_.folders, gmapFolders(services_.registry, services_.facts, session_.vReg6432),
      packages_.rows[static_cast<std::size_t>(row)].infoXml);
  GMPFileslisten();
  if (removal.status == PackageRemovalStatus::Refused) {
    dialogs.message({packageRefusedText(germanTexts(), removal.folder), kCatalogueTitle,
                     Buttons::Ok, Icon::Exclamation});
  } else if (removal.status == PackageRemovalStatus::Failed) {
    dialogs.message({removal.error, kCatalogueTitle, Buttons::Ok, Icon::None});
  }
}

}  // namespace mapsetdesk::ui
