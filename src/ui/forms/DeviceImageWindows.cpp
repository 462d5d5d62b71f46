#include "ui/forms/DeviceImageWindows.h"

#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void DeviceImageWindows::showReport(const std::string& text) {
  program_.main.TextMeldung.setText(text);
}

ToolWindow& DeviceImageWindows::toolWindow() { return program_.pipe; }

void DeviceImageWindows::showWorking(bool shown) {
  if (!shown) {
    program_.arbeite.hide();
    program_.arbeite.setMousePointer(MousePointer::Default);
    return;
  }
  program_.arbeite.show();
  program_.arbeite.setMousePointer(MousePointer::Hourglass);
}

std::optional<std::uint16_t> DeviceImageWindows::freeFid() { return program_.main.FreieIdNr(); }

void DeviceImageWindows::registerFamily(const FamilyFiles& family) {
  FormTDBvorhanden& window = program_.tdbVorhanden;
  window.fillFamily(family);
  window.show(Modality::Modal);
  window.familyDone();
  program_.main.show();
  program_.main.setMousePointer(MousePointer::Default);
}

void DeviceImageWindows::familyFailed() { program_.main.Command2.enabled = true; }

void DeviceImageWindows::selectTiles(const std::string& folder,
                                     const std::vector<std::string>& tiles) {
  program_.main.selectSplitTiles(folder, tiles);
}

}  // namespace mapsetdesk::ui
