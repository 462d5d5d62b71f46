// The main window's menu entry for the health check window; repairs there
// end with the catalogue read afresh, so the lists show the mended state.
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void fMain::MnuPruefen_Click() {
  program_.pruefen.afterRepairs = [this] {
    TDBlesen();
    GMPFileslisten();
  };
  program_.pruefen.open();
}

}  // namespace mapsetdesk::ui
