#pragma once
// The editing commands pick the chosen mapset in the main window's lists as
// a person does: a double-click on its row, after the mode button.
#include "cli/MapsetChoice.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::cli {

// Double-clicks the chosen mapset's row in ListMapsetName or ListMapsetGMP;
// false when the window does not list it.
bool pickInMainWindow(ui::fMain& main, const ChosenMapset& chosen);

}  // namespace mapsetdesk::cli
