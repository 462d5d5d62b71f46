#include "ui/forms/ProgramWindows.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::openTdbVorhanden() { program_.tdbVorhanden.show(); }

void fMain::showPackageReport() {
  setMousePointer(MousePointer::Hourglass);
  Frame2.visible = false;
  Frame1.visible = true;
  show();
  TextMeldung.visible = true;
}

}  // namespace mapsetdesk::ui
