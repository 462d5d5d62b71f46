// The main window's menu entry for the latitude window.
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void fMain::MnuLatitude_Click() { program_.latitude.open(); }

}  // namespace mapsetdesk::ui
