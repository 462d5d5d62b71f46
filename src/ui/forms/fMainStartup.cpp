// The main window's start-up and shutdown, and what the start-up does to it.
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "ui/forms/KeptPlacement.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/forms/controls/Caption.h"

namespace mapsetdesk::ui {

void fMain::Form_Load() {
  if (startUp(services_, session_, *this) == StartupOutcome::EndProgram) {
    windows().endProgram();
    return;
  }
  readPlacement(*this, services_.registry, kWindowPlacementValue);
  showSelection();
}

void fMain::Form_Unload() {
  Settings(services_.registry)
      .storeDirChecked(Dir1.path(), services_.dialogs, session_.texts.text(key::Fehler29));
  storePlacement(*this, services_.registry, kWindowPlacementValue);
  program_.unloadAllBut(*this);
}

void fMain::Farbe() {
  for (Control* control : controls()) {
    if (control->kind() == ControlKind::Button) control->backColor = kButtonColour;
  }
}

void fMain::applyTexts() {
  for (const auto& [name, text] : session_.texts.captions()) {
    if (Control* control = find(name)) setCaption(*control, text);
  }
  for (const auto& [name, text] : session_.texts.toolTips()) {
    if (Control* control = find(name)) control->toolTip = text;
  }
  showBaseCampCacheCaption();
}

void fMain::showOptionPictures() {
  Optiontdbno.picture = kPictureTdbNoChosen;
  Optiontdbja.picture = kPictureTdbYes;
  Optiontdbno.setValue(true);
}

void fMain::Optiontdbja_Click() {
  Optiontdbja.picture = kPictureTdbYesChosen;
  Optiontdbno.picture = kPictureTdbNo;
}

void fMain::Optiontdbno_Click() {
  Optiontdbja.picture = kPictureTdbYes;
  Optiontdbno.picture = kPictureTdbNoChosen;
}

// The level and zoom fields go with their label: no field without its name.
void fMain::hideNewMapsetLabels() {
  for (Control* control : {static_cast<Control*>(&Label11), static_cast<Control*>(&Label12),
                           static_cast<Control*>(&TextLevel), static_cast<Control*>(&TextZoom)})
    control->visible = false;
}

void fMain::showTitle(const std::string& title) { caption = title; }

void fMain::openTileFolder(const std::string& folder) { Dir1.setPath(folder); }

}  // namespace mapsetdesk::ui
