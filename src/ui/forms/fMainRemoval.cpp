// The main window's removals: a double-click on a registered mapset in the
// removal list, or on a gmap package while the gmap list is in its removal
// mode. The lists are read afresh afterwards, so the row is gone.
// Each removal goes into the change journal: the keys as they were, the
// files and the package folder moved into the entry, so it can be undone.
#include "app/messages/MessageKeys.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/MapsetRemoval.h"
#include "ui/forms/JournaledEdit.h"
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
  const auto index = static_cast<std::size_t>(row);
  RegistrationRemoval removal;
  bool started = false;
  journaledEdit(services_, germanTexts(), "remove", catalogue_.rows[index].cells.name, {},
                [&](Recorded& recorded) {
                  started = true;
                  removal = removeRegistration(recorded.registry, recorded.folders,
                                               session_.vReg6432, catalogue_, index, packages_);
                  return true;
                });
  if (!started) return;
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
  const GmapRow& package = packages_.rows[static_cast<std::size_t>(row)];
  const GmapFolders mapFolders =
      gmapFolders(services_.registry, services_.facts, session_.vReg6432);
  PackageRemoval removal;
  bool started = false;
  journaledEdit(services_, germanTexts(), "remove", package.display, {}, [&](Recorded& recorded) {
    started = true;
    removal = removePackage(recorded.folders, mapFolders, package.infoXml);
    return removal.status != PackageRemovalStatus::Failed;
  });
  if (!started) return;
  GMPFileslisten();
  if (removal.status == PackageRemovalStatus::Refused) {
    dialogs.message({packageRefusedText(germanTexts(), removal.folder), kCatalogueTitle,
                     Buttons::Ok, Icon::Exclamation});
  } else if (removal.status == PackageRemovalStatus::Failed) {
    dialogs.message({removal.error, kCatalogueTitle, Buttons::Ok, Icon::None});
  }
}

}  // namespace mapsetdesk::ui
