// The main window's menu entry for the history window; an undo there ends
// with the catalogue read afresh, so the lists show the state it left.
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void fMain::MnuVerlauf_Click() {
  program_.verlauf.afterUndo = [this] {
    TDBlesen();
    GMPFileslisten();
  };
  program_.verlauf.open();
}

}  // namespace mapsetdesk::ui
