#include "ui/forms/FormArbeite.h"

#include <string>

#include "app/ProductTitle.h"

namespace mapsetdesk::ui {

FormArbeite::FormArbeite(WindowSystem& windows, Form& mainWindow)
    : Form(windows, "FormArbeite"), main_(mainWindow) {
  caption = std::string(kMessageTitle);
  width = 260;
  height = 50;
  ProgressBar1.position = {12, 14, 236, 22};
}

void FormArbeite::Form_Load() { main_.setMousePointer(MousePointer::Hourglass); }

void FormArbeite::Form_Unload() { main_.setMousePointer(MousePointer::Default); }

}  // namespace mapsetdesk::ui
