#pragma once
// The FID changer: gives the mapset picked in the main window's lists a new
// family ID, typed or proposed, and rewrites every file and registry value
// that holds the old one.
#include <optional>
#include <string>

#include "app/Services.h"
#include "app/messages/FidTexts.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "edit/FidChange.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class fMain;

class formFID : public Form {
 public:
  formFID(WindowSystem& windows, Services& services, fMain& main);

  Label Label3{*this, "Label3"};  // the prompt
  Label Label4{*this, "Label4"};  // where the mapset is picked: the main window's hint
  Label Label1{*this, "Label1"};  // the picked mapset's FID
  TextBox TextMapname{*this, "TextMapname"};
  Label Label2{*this, "Label2"};
  TextBox Text1{*this, "Text1"};
  Button Command1{*this, "Command1"};
  Button Command2{*this, "Command2"};
  Button CommandExit{*this, "CommandExit"};

  // The main window's list handlers hand over the double-clicked row.
  void pick(const CatalogueRow& row);
  void pick(const GmapRow& row);

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void placeControls();
  void language();
  void languageChanged() override { language(); }
  void say(const std::string& text, Icon icon = Icon::None);
  void Text1_Change();
  void Command1_Click();
  void Command2_Click();
  void change(std::uint16_t fid);
  void tellStop(const FidChangeResult& result);
  void reset();

  Services& services_;
  fMain& main_;
  Sprache sprache_ = Sprache::Deutsch;
  FidTexts texts_;
  std::optional<CatalogueRow> registryRow_;
  std::optional<GmapRow> packageRow_;
};

}  // namespace mapsetdesk::ui
