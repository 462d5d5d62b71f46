// The main window's menu entry for sending mapsets to a device: the window
// lists the catalogue read afresh, so it offers what is installed now.
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void fMain::MnuGeraet_Click() {
  TDBlesen();
  GMPFileslisten();
  program_.geraet.open(registryCatalogue(), gmapCatalogue());
}

}  // namespace mapsetdesk::ui
