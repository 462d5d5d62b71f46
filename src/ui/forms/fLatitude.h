#pragma once
// The latitude window: for one map, named by its FID and PID, it shows, sets
// or removes the latitude at which Garmin's desktop programs draw the map
// with the least distortion.
#include <string>

#include "app/Services.h"
#include "app/messages/LatitudeTexts.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class fLatitude : public Form {
 public:
  fLatitude(WindowSystem& windows, Services& services);

  Label LabelBeschreibung{*this, "LabelBeschreibung"};
  Label LabelFID{*this, "LabelFID"};
  TextBox TextFID{*this, "TextFID"};
  Label LabelPID{*this, "LabelPID"};
  TextBox TextPID{*this, "TextPID"};
  Label LabelLatitude{*this, "LabelLatitude"};
  TextBox TextLatitude{*this, "TextLatitude"};
  Button CmdShow{*this, "CmdShow"};
  Button CmdSet{*this, "CmdSet"};

  // Shows the window with the texts of the language setting.
  void open();
  // Captions and messages for the language setting; a setting that names no
  // language keeps them, so the window starts in German.
  void language();
  void languageChanged() override { language(); }
  // The stored latitude followed by "°" in the latitude field, or the
  // nothing-stored text when the map has none.
  void CheckRegistryKey(const std::string& key);

 protected:
  void Form_Load() override;

 private:
  void placeControls();
  void say(const std::string& text);
  // The key of the map the fields name; empty, after saying what is wrong,
  // when the PID or FID is not usable.
  std::string mapKey();
  void setLatitude();
  void askForAutomatic(const std::string& key);

  void TextFID_Change();
  void TextPID_Change();
  bool TextLatitude_Validate();
  void CmdShow_Click();
  void CmdSet_Click();

  Services& services_;
  Sprache sprache_ = Sprache::Deutsch;
  LatitudeTexts texts_;
};

}  // namespace mapsetdesk::ui
