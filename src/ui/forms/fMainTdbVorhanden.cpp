#include "platform/FilePath.h"
#include "ui/forms/DeviceImageWindows.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::openTdbVorhanden() { program_.tdbVorhanden.show(); }

DeviceImageRun fMain::gmapsuppsplitten(const std::string& image) {
  DeviceImageWindows view(program_);
  return mapsetdesk::gmapsuppsplitten(services_, session_, view, image);
}

void fMain::selectSplitTiles(const std::string& folder, const std::vector<std::string>& tiles) {
  Dir1.setPath(folder);
  File1.setPath(folder);
  selection_.clear();
  for (const std::string& tile : tiles)
    selection_.addFromFolder(folder, pathText(filePath(tile).filename()));
  showSelection();
  List1.enabled = true;
  Command1.enabled = true;
  TextBoxMSName.enabled = true;
  Frame2.visible = false;
  Frame1.visible = false;
  show();
  setMousePointer(MousePointer::Default);
}

void fMain::showPackageReport() {
  setMousePointer(MousePointer::Hourglass);
  Frame2.visible = false;
  Frame1.visible = true;
  show();
  TextMeldung.visible = true;
}

}  // namespace mapsetdesk::ui
