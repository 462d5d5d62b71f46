// The main window's rename: the rename mode, the pick of a mapset in either
// catalogue list, the name field with its character rule, and the accept
// button, which renames the mapset's TDB (and a package's Info.xml).
#include "app/messages/MessageKeys.h"
#include "edit/EditMessages.h"
#include "edit/MapsetRename.h"
#include "platform/Platform.h"
#include "ui/forms/controls/Caption.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::bindRenameEvents() {
  CommandMapnameAendern.onClick = [this] { CommandMapnameAendern_Click(); };
  TextMapsetname.onChange = [this] { TextMapsetname_Change(); };
  TextMapsetname.onValidate = [this] { return TextMapsetname_Validate(); };
  CommandNameuebernehmen.onClick = [this] { CommandNameuebernehmen_Click(); };
}

void fMain::CommandMapnameAendern_Click() {
  const auto chosen = chosenMapset();
  leaveModes();
  session_.vMapsetName = "aendern";
  CommandMapnameAendern.backColor = kActionColour;
  setCaption(CommandNameuebernehmen, session_.texts.text(key::Satz50));
  TextMapsetname.setText(session_.texts.text(key::Satz53));
  for (ListBox* list : {&ListLoeschen, &ListID, &ListSubkey}) list->visible = false;
  ListMapsetName.visible = true;
  ListMapsetName.enabled = true;
  TDBlesen();
  GMPFileslisten();
  showModeHint();
  pickAgain(chosen);
}

void fMain::pickForRename(bool fromGmap) {
  renameFromGmap_ = fromGmap;
  const std::string name = fromGmap ? gmapEntryName(ListMapsetGMP.item(ListMapsetGMP.listIndex()))
                                    : ListMapsetName.item(ListMapsetName.listIndex());
  for (Control* control :
       {static_cast<Control*>(&TextMapsetname), static_cast<Control*>(&CommandNameuebernehmen)}) {
    control->visible = true;
    control->enabled = true;
  }
  TextMapsetname.setText(name);
}

void fMain::TextMapsetname_Change() {
  const std::string trimmed = withoutLeadingBlanks(TextMapsetname.text());
  if (trimmed != TextMapsetname.text()) TextMapsetname.setText(trimmed);
  CommandNameuebernehmen.enabled = true;
}

// Never keeps the focus: a cut name only disables the accept button.
bool fMain::TextMapsetname_Validate() {
  if (session_.vMapsetName != "aendern") return false;
  const NameCheck check = cutAtSpecialCharacter(TextMapsetname.text());
  if (!check.cut) return false;
  TextMapsetname.setText(check.name);
  services_.dialogs.message(
      {session_.texts.text(key::Satzumlaut), kEditTitle, Buttons::Ok, Icon::None});
  CommandNameuebernehmen.enabled = false;
  return false;
}

void fMain::CommandNameuebernehmen_Click() {
  CommandNameuebernehmen.enabled = false;
  editCompleted_ = false;
  const int registryRow = ListMapsetName.listIndex();
  const int gmapRow = ListMapsetGMP.listIndex();
  if (registryRow < 0 && gmapRow < 0) return;
  const std::string newName = TextMapsetname.text();
  const RenameSetting setting{services_.dialogs, session_.texts};
  if (renameFromGmap_) {
    renameFromGmap_ = false;
    if (gmapRow < 0 || gmapRow >= static_cast<int>(packages_.rows.size())) return;
    const GmapRow& row = packages_.rows[static_cast<std::size_t>(gmapRow)];
    editCompleted_ = journaledEdit(
        services_, germanTexts(), "rename", row.display, {row.infoXml, row.tdb, row.tdb + "-BAK"},
        [&](Recorded&) {
          return renameGmapProduct(setting, row, gmapEntryName(row.display), newName);
        });
  } else if (!session_.vDraw.empty()) {
    endRenameButtons();
    return;
  } else {
    if (registryRow < 0 || registryRow >= static_cast<int>(catalogue_.rows.size())) return;
    const CatalogueRow& row = catalogue_.rows[static_cast<std::size_t>(registryRow)];
    editCompleted_ = journaledEdit(
        services_, germanTexts(), "rename", row.cells.name, {row.entry.tdb, row.entry.tdb + "-BAK"},
        [&](Recorded&) { return renameRegisteredMapset(setting, row.entry.tdb, newName); });
  }
  leaveRenameMode();
}

void fMain::leaveRenameMode() {
  session_.vMapsetName.clear();
  TextMapsetname.visible = false;
  CommandNameuebernehmen.visible = false;
  CommandMapnameAendern.visible = true;
  showModeHint();
  TDBlesen();
  GMPFileslisten();
  if (editCompleted_) services_.sound.playAsync(joinPath(services_.programFolder, "Success.wav"));
  endRenameButtons();
}

void fMain::endRenameButtons() {
  CommandKartenentfernen.enabled = true;
  CommandMapnameAendern.backColor = kButtonColour;
}

}  // namespace mapsetdesk::ui
