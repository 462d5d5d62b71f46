#pragma once
// The draw-priority window: every tile of one installed mapset with its
// description and draw priority, and the change of all of them to one value.
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "app/messages/DrawPriorityTexts.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "edit/DrawPriority.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/forms/controls/ProgressBar.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class fMain;

class FormMaptilename : public Form {
 public:
  FormMaptilename(WindowSystem& windows, Services& services, Session& session, fMain& main);

  Label Label1{*this, "Label1"};  // the folder of the tiles
  ListBox Listmaptilename{*this, "Listmaptilename"};
  TextBox TextDP{*this, "TextDP"};
  Button CommandDPAendern{*this, "CommandDPAendern"};
  ProgressBar ProgressBarDP{*this, "ProgressBarDP"};

  // `Laden` with the reading of `DrawPriority`: a registered mapset's tiles.
  void Laden(const CatalogueRow& row);
  // `LadenGMP`: a package's tiles with their values.
  void LadenGMP(const GmapRow& row);

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void placeControls();
  void language();
  void languageChanged() override { language(); }
  void say(const std::string& text, Icon icon);
  void list(const std::string& tdb, bool package, const std::string& tileFolder);
  std::string lineOf(const PriorityTile& tile) const;
  std::string readLine(const PriorityTile& tile, const std::vector<TileReading>& readings) const;
  void TextDP_Change();
  void enableChange();
  bool TextDP_Validate();
  void CommandDPAendern_Click();
  void DrawPriority(std::uint8_t priority);

  Services& services_;
  Session& session_;
  fMain& main_;
  Sprache sprache_ = Sprache::Deutsch;
  DrawPriorityTexts texts_;
  PriorityMapset mapset_;
  // Tiles whose draw priority could be read: only those can be changed.
  std::size_t readableTiles_ = 0;
  std::string tdb_;  // of the listed mapset, for the list rebuilt after a change
  bool package_ = false;
  std::string tileFolder_;
  std::string stop_;  // "beenden" once the window is closed
};

}  // namespace mapsetdesk::ui
