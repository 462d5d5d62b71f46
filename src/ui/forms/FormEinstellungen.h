#pragma once
// The settings window: one list row that tells whether the Wow64 setting says
// 64-bit or 32-bit Windows; a click on the row asks and stores it anew. The
// registry base of the running program stays as it was until the next start.
// Below it, the choice of who does the outside programs' work ("Tools"),
// which holds from the next run of a tool on. Then how long and how large the
// change history is kept. At the foot, the release number.
#include "app/Services.h"
#include "app/messages/EinstellungenTexts.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/ListBox.h"

namespace mapsetdesk::ui {

class FormEinstellungen : public Form {
 public:
  FormEinstellungen(WindowSystem& windows, Services& services);

  ListBox List1{*this, "List1"};
  Label LabelTools{*this, "LabelTools"};
  ListBox ListTools{*this, "ListTools"};
  Label LabelVerlauf{*this, "LabelVerlauf"};
  Label LabelVersion{*this, "LabelVersion"};

  // Sets the texts for the language setting, fills the list and shows the window.
  void open();
  // The window's texts for the language setting; any other setting keeps them.
  void SpracheEinstellungen();
  void languageChanged() override;

 private:
  void fillList();
  void List1_Click();
  void fillTools();
  void ListTools_Click();

  Services& services_;
  EinstellungenTexts texts_;
  bool fillingTools_ = false;
};

}  // namespace mapsetdesk::ui
