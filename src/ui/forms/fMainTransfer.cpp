#include "ui/forms/ProgramWindows.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::CmdExpImp_Click() {
  Farbe();
  CmdExpImp.backColor = kActionColour;
  program_.exportImport.show();
}

}  // namespace mapsetdesk::ui
