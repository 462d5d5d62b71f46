#pragma once
// The health check window: the findings of the installation's check, one row
// each, and a button that repairs what can be repaired and shows the outcome
// of each repair.
#include <functional>

#include "app/Services.h"
#include "app/Session.h"
#include "app/messages/CheckTexts.h"
#include "check/HealthCheck.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/ListBox.h"

namespace mapsetdesk::ui {

class FormPruefen : public Form {
 public:
  FormPruefen(WindowSystem& windows, Services& services, Session& session);

  ListBox ListBefunde{*this, "ListBefunde"};
  Button CmdPruefen{*this, "CmdPruefen"};
  Button CmdReparieren{*this, "CmdReparieren"};

  // Shows the window with the findings of a fresh check.
  void open();
  // Runs after repairs changed the installation, so the catalogue shows it.
  std::function<void()> afterRepairs = [] {};

 private:
  void placeControls();
  void language();
  void languageChanged() override { language(); }
  CheckPlace checkPlace();
  void check();
  bool confirmRemoval(const Finding& finding);

  void CmdPruefen_Click();
  void CmdReparieren_Click();

  Services& services_;
  Session& session_;
  const CheckTexts* texts_;
  HealthReport report_;
};

}  // namespace mapsetdesk::ui
