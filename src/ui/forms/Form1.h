#pragma once
// The folders window: how much each cache of Garmin's desktop programs holds,
// with a button that empties each tile cache, and the folders in which gmap
// packages are looked for. Pointing at or clicking the BaseCamp and MapSource
// labels measures those caches afresh: once when the pointer comes over the
// label, not on every move.
#include "app/Services.h"
#include "app/messages/Form1Texts.h"
#include "cache/TileCaches.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"

namespace mapsetdesk::ui {

class Form1 : public Form {
 public:
  // measure reads a cache's size; a test hands in one that fails.
  Form1(WindowSystem& windows, Services& services, MeasureFolder measure = folderBytes);

  Label LabelBaseCamp{*this, "LabelBaseCamp"};
  Button CmdBCTilecache{*this, "CmdBCTilecache"};
  Label LabelMapinstall{*this, "LabelMapinstall"};
  Button CmdMapinstallTileCache{*this, "CmdMapinstallTileCache"};
  Label LabelMapSource{*this, "LabelMapSource"};
  Button CmdMSTileCache{*this, "CmdMSTileCache"};
  Label LabelProductDataCache{*this, "LabelProductDataCache"};
  Label LabelMaps1{*this, "LabelMaps1"};
  Label LabelMaps2{*this, "LabelMaps2"};
  Label LabelMaps3{*this, "LabelMaps3"};
  Label LabelErklaerung{*this, "LabelErklaerung"};

  // Shows the window; one that is open already is filled afresh.
  void open();
  // Caption, explanation and buttons for the language setting; a setting
  // that names no language keeps them, so the window starts in German.
  void language();
  void languageChanged() override { language(); }

 protected:
  void Form_Load() override;

 private:
  void placeControls();
  void fill();
  // The cache's label, and its button usable only while the cache can be read.
  void showCache(TileCache cache);
  void showReading(const CacheReading& reading);
  void emptyCache(TileCache cache);
  Label& labelOf(TileCache cache);

  void CmdBCTilecache_Click();
  void CmdMapinstallTileCache_Click();
  void CmdMSTileCache_Click();
  void LabelBaseCamp_Click();
  void LabelBaseCamp_MouseEnter();
  void LabelMapSource_Click();
  void LabelMapSource_MouseEnter();

  Services& services_;
  MeasureFolder measure_;
  Sprache sprache_ = Sprache::Deutsch;
};

}  // namespace mapsetdesk::ui
