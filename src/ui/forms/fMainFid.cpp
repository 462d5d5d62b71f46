// The main window's FID mode: while the FID changer is open, a double-click
// in either mapset list picks the mapset to change.
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void fMain::CommandFID_Click() {
  const auto chosen = chosenMapset();
  leaveModes();
  session_.vFIDchange = true;
  CommandFID.backColor = kActionColour;
  for (Button* button : {&CommandTypeaendern, &CommandMapnameAendern, &CommandFilename,
                         &CommandKartenentfernen})
    button->enabled = false;
  TDBlesen();
  GMPFileslisten();
  ListMapsetName.visible = true;
  ListMapsetName.enabled = true;
  ListMapsetGMP.enabled = true;
  showModeHint();
  program_.fid.show();
  pickAgain(chosen);
}

bool fMain::pickForFidChange(const ListBox& list, int row) {
  if (!session_.vFIDchange || row < 0) return false;
  if (&list == &ListMapsetName && row < static_cast<int>(catalogue_.rows.size()))
    program_.fid.pick(catalogue_.rows[row]);
  if (&list == &ListMapsetGMP && row < static_cast<int>(packages_.rows.size()))
    program_.fid.pick(packages_.rows[row]);
  return true;
}

void fMain::endFidChange() {
  session_.vFIDchange = false;
  ListMapsetName.visible = false;
  for (ListBox* list : {&ListLoeschen, &ListSubkey, &ListID}) list->visible = true;
  for (Button* button : {&CommandTypeaendern, &CommandMapnameAendern, &CommandFilename,
                         &CommandKartenentfernen})
    button->enabled = true;
  Farbe();
  showModeHint();
}

}  // namespace mapsetdesk::ui
