#pragma once
// The product's web addresses: one button opens the website, one the help
// page, in the person's default browser. Each button shows its address.
#include "app/Services.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"

namespace mapsetdesk::ui {

class FormURL_ZORVAN : public Form {
 public:
  FormURL_ZORVAN(WindowSystem& windows, Services& services);

  Button CommandWebsite{*this, "CommandWebsite"};
  Button CommandHilfeseite{*this, "CommandHilfeseite"};
  Button CommandOK{*this, "CommandOK"};

  // Opens the help page; when no browser could be started the window shows,
  // so the person sees the address.
  void openHelpPage();

 private:
  void CommandWebsite_Click();
  void CommandHilfeseite_Click();
  void CommandOK_Click();

  Services& services_;
};

}  // namespace mapsetdesk::ui
