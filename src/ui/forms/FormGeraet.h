#pragma once
// The send-to-device window: every installed mapset to tick (name, FID, PID,
// size), the target (the Garmin folder of each device found, or a folder the
// person chooses) with the next free image name there, the image's size,
// and Write; the tool window shows the progress.
#include <functional>
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/messages/SendToDeviceTexts.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "transfer/DeviceMapset.h"
#include "ui/forms/FormPipe.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class FormGeraet : public Form {
 public:
  FormGeraet(WindowSystem& windows, Services& services, FormPipe& pipe);

  Label LabelSpalten{*this, "LabelSpalten"};
  ListBox ListKartensaetze{*this, "ListKartensaetze", true};
  Label LabelZiel{*this, "LabelZiel"};
  ListBox ListZiel{*this, "ListZiel"};
  TextBox TextZiel{*this, "TextZiel"};
  Label LabelGroesse{*this, "LabelGroesse"};
  Button CmdSchreiben{*this, "CmdSchreiben"};

  // Shows the window with the catalogue as the main window read it.
  void open(const RegistryCatalogue& registry, const GmapCatalogue& packages);
  // The volumes searched for a device's Garmin folder.
  std::function<std::vector<std::string>()> volumes;

 private:
  // A row of the mapset list: one of the two is set.
  struct Row {
    const CatalogueRow* registration = nullptr;
    const GmapRow* package = nullptr;
  };

  void placeControls();
  void language();
  void languageChanged() override { language(); }
  void fillMapsets();
  void fillTargets();
  std::vector<DeviceMapsetRead> chosen() const;
  void tell(const std::string& text, Icon icon);
  void report(const std::string& line);

  void ListKartensaetze_Click();
  void ListZiel_Click();
  void CmdSchreiben_Click();

  Services& services_;
  FormPipe& pipe_;
  SendToDeviceTexts texts_;
  RegistryCatalogue registry_;
  GmapCatalogue packages_;
  std::vector<Row> rows_;
  std::vector<std::string> garminFolders_;  // the targets above "file…"
};

}  // namespace mapsetdesk::ui
