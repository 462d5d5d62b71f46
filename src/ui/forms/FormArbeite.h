#pragma once
// The small notice shown during long work. While it is loaded the main
// window shows the hourglass.
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/ProgressBar.h"

namespace mapsetdesk::ui {

class FormArbeite : public Form {
 public:
  FormArbeite(WindowSystem& windows, Form& mainWindow);

  ProgressBar ProgressBar1{*this, "ProgressBar1"};

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  Form& main_;
};

}  // namespace mapsetdesk::ui
