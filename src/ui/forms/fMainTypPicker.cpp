// The TYP-file picker of the main window: a drive, a folder of it, and the
// TYP files in that folder, the first of them chosen.
#include "install/InstallMessages.h"
#include "platform/FolderOps.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::bindTypPickerEvents() {
  Drive2.onChange = [this] { Drive2_Change(); };
  Drive2.onGotFocus = [this] { Drive2_GotFocus(); };
  DirTypefile.onChange = [this] { DirTypefile_Change(); };
}

void fMain::Drive2_Change() { DirTypefile.setPath(Drive2.drive()); }

void fMain::Drive2_GotFocus() {
  const std::string folder = browseForFolder(services_.dialogs, std::string(kChooseFolderTitle));
  if (!folder.empty()) DirTypefile.setPath(folder);
}

void fMain::DirTypefile_Change() {
  if (!FileTypefile.setPath(DirTypefile.path())) return;
  if (FileTypefile.count() > 0) FileTypefile.setListIndex(0);
}

}  // namespace mapsetdesk::ui
