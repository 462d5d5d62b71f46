// The new mapset's name and FID in the main window: the name keeps only
// characters a file name may hold and must differ from the registered
// mapsets' names in its first eight characters; the FID must be an ID from
// 1 to 65535 and must not be a registered mapset's (a package's FID only
// warns).
#include "app/ProductTitle.h"
#include "app/messages/IdTexts.h"
#include "app/messages/InstallTexts.h"
#include "app/messages/MessageKeys.h"
#include "install/InstallMessages.h"
#include "install/NewMapsetChecks.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::bindNewMapsetEvents() {
  TextBoxMSName.onChange = [this] { TextBoxMSName_Change(); };
  TextBoxMSName.onValidate = [this] { return TextBoxMSName_Validate(); };
  TextBoxMSName.onLostFocus = [this] { TextBoxMSName_LostFocus(); };
  TextBoxID.onChange = [this] { TextBoxID_Change(); };
  TextBoxID.onValidate = [this] { return TextBoxID_Validate(); };
  TextBoxID.onLostFocus = [this] { TextBoxID_LostFocus(); };
}

// The run needs a finished selection of tiles: a name typed before that
// opens nothing.
void fMain::TextBoxMSName_Change() {
  TextBoxID.enabled = true;
  CommandButtonPV.enabled = Frame1.visible && !selection_.empty() && !selection_.vgmapsupp();
}

bool fMain::TextBoxMSName_Validate() {
  const NameCut cut = cutAtForbiddenCharacter(TextBoxMSName.text());
  if (cut.fault == NameFault::None) return false;
  const Sprache sprache = session_.texts.sprache().value_or(Sprache::Deutsch);
  services_.dialogs.message({cut.fault == NameFault::AboveAscii
                                 ? session_.texts.text(key::Satzumlaut)
                                 : nameNotInFileNamesText(sprache),
                             std::string(cut.fault == NameFault::AboveAscii ? kMessageTitle
                                                                            : kSelectionTitle),
                             Buttons::Ok, Icon::Exclamation});
  TextBoxMSName.setText(cut.name);
  return false;
}

void fMain::TextBoxMSName_LostFocus() {
  const int matches = registeredNameCount(TextBoxMSName.text(), catalogue_);
  for (int i = 0; i < matches; ++i) {
    services_.dialogs.message({session_.texts.text(key::Fehler5), std::string(kSelectionTitle),
                               Buttons::Ok, Icon::Exclamation});
  }
  if (matches > 0) {
    TextBoxID.enabled = false;
    CommandButtonPV.enabled = false;
  }
}

void fMain::TextBoxID_Change() { TextBoxMSName.enabled = true; }

// A FID that is no ID keeps the field until it is mended.
bool fMain::TextBoxID_Validate() {
  const IdFault fault = idFault(TextBoxID.text());
  if (fault == IdFault::None) return false;
  services_.dialogs.message(
      {idFaultText(session_.texts.sprache().value_or(Sprache::Deutsch), IdKind::Fid, fault),
       std::string(kMessageTitle), Buttons::Ok, Icon::Exclamation});
  return true;
}

void fMain::TextBoxID_LostFocus() {
  const FidClash clash = fidClash(TextBoxID.text(), catalogue_, packages_);
  if (clash == FidClash::Registered) CommandButtonPV.enabled = false;
  if (clash != FidClash::None) {
    services_.dialogs.message({session_.texts.text(key::Fehler2), std::string(kMessageTitle),
                               Buttons::Ok, Icon::Exclamation});
  }
  TextBoxMSName.enabled = clash != FidClash::Registered;
}

}  // namespace mapsetdesk::ui
