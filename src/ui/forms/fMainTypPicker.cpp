// The TYP-file picker of the main window: a drive, a folder of it, and the
// TYP files in that folder, the first of them chosen.
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

// The drive box opens its own list: a folder browser on its focus would come
// before it, so folders are chosen in the folder list below it.
void fMain::bindTypPickerEvents() {
  Drive2.onChange = [this] { Drive2_Change(); };
  DirTypefile.onChange = [this] { DirTypefile_Change(); };
}

void fMain::Drive2_Change() { DirTypefile.setPath(Drive2.drive()); }

void fMain::DirTypefile_Change() {
  if (!FileTypefile.setPath(DirTypefile.path())) return;
  if (FileTypefile.count() > 0) FileTypefile.setListIndex(0);
  typPickChanged();
}

}  // namespace mapsetdesk::ui
