#pragma once
// The history window: every change the program made, newest first, with the
// size of the history, and a button that undoes the chosen change (the newest
// that stands when none is chosen).
#include <functional>
#include <vector>

#include "app/Services.h"
#include "app/messages/HistoryTexts.h"
#include "history/Journal.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/ListBox.h"

namespace mapsetdesk::ui {

class FormVerlauf : public Form {
 public:
  FormVerlauf(WindowSystem& windows, Services& services);

  ListBox ListVerlauf{*this, "ListVerlauf"};
  Label LabelGroesse{*this, "LabelGroesse"};
  Label LabelHinweis{*this, "LabelHinweis"};
  Button CmdRueckgaengig{*this, "CmdRueckgaengig"};

  // Shows the window with the history as it stands.
  void open();
  // Runs after an undo, so the catalogue shows the state it left.
  std::function<void()> afterUndo = [] {};

 private:
  void placeControls();
  void language();
  void languageChanged() override;
  void fill();
  void tell(const std::string& text, Icon icon);

  void CmdRueckgaengig_Click();

  Services& services_;
  HistoryTexts texts_;
  std::vector<JournalListing> shown_;  // newest first, as the list shows them
};

}  // namespace mapsetdesk::ui
