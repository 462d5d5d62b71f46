#include "ui/forms/FormURL_ZORVAN.h"

#include <string>

#include "app/ProductTitle.h"
#include "app/messages/Website.h"

namespace mapsetdesk::ui {

FormURL_ZORVAN::FormURL_ZORVAN(WindowSystem& windows, Services& services)
    : Form(windows, "FormURL_ZORVAN"), services_(services) {
  caption = std::string(kMessageTitle);
  width = 360;
  height = 130;
  CommandWebsite.caption = std::string(kProductWebsite);
  CommandWebsite.position = {12, 12, 336, 30};
  CommandHilfeseite.caption = std::string(kProductHelpPage);
  CommandHilfeseite.position = {12, 50, 336, 30};
  CommandOK.caption = "OK";
  CommandOK.position = {258, 92, 90, 28};
  CommandWebsite.onClick = [this] { CommandWebsite_Click(); };
  CommandHilfeseite.onClick = [this] { CommandHilfeseite_Click(); };
  CommandOK.onClick = [this] { CommandOK_Click(); };
}

void FormURL_ZORVAN::openHelpPage() {
  if (!services_.shell.open(std::string(kProductHelpPage))) show();
}

void FormURL_ZORVAN::CommandWebsite_Click() { services_.shell.open(std::string(kProductWebsite)); }

void FormURL_ZORVAN::CommandHilfeseite_Click() {
  services_.shell.open(std::string(kProductHelpPage));
}

void FormURL_ZORVAN::CommandOK_Click() { hide(); }

}  // namespace mapsetdesk::ui
