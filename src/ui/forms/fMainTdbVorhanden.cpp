#include "ui/forms/DeviceImageWindows.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::openTdbVorhanden() { program_.tdbVorhanden.show(); }

DeviceImageRun fMain::gmapsuppsplitten(const std::string& image) {
  DeviceImageWindows view(program_);
  return mapsetdesk::gmapsuppsplitten(services_, session_, view, image);
}

void fMain::showPackageReport() {
  setMousePointer(MousePointer::Hourglass);
  Frame2.visible = false;
  Frame1.visible = true;
  show();
  TextMeldung.visible = true;
}

}  // namespace mapsetdesk::ui
