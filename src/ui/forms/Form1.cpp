#include "ui/forms/Form1.h"

#include "app/Language.h"
#include "app/Settings.h"
#include "cache/CacheClearing.h"
#include "cache/CacheMessages.h"

namespace mapsetdesk::ui {

Form1::Form1(WindowSystem& windows, Services& services, MeasureFolder measure)
    : Form(windows, "Form1"), services_(services), measure_(std::move(measure)) {
  placeControls();
  CmdBCTilecache.onClick = [this] { CmdBCTilecache_Click(); };
  CmdMapinstallTileCache.onClick = [this] { CmdMapinstallTileCache_Click(); };
  CmdMSTileCache.onClick = [this] { CmdMSTileCache_Click(); };
  LabelBaseCamp.onClick = [this] { LabelBaseCamp_Click(); };
  LabelBaseCamp.onMouseEnter = [this] { LabelBaseCamp_MouseEnter(); };
  LabelMapSource.onClick = [this] { LabelMapSource_Click(); };
  LabelMapSource.onMouseEnter = [this] { LabelMapSource_MouseEnter(); };
}

void Form1::placeControls() {
  width = 720;
  height = 356;
  LabelBaseCamp.position = {12, 14, 520, 20};
  CmdBCTilecache.position = {540, 8, 168, 30};
  LabelMapinstall.position = {12, 50, 520, 20};
  CmdMapinstallTileCache.position = {540, 44, 168, 30};
  LabelMapSource.position = {12, 86, 520, 20};
  CmdMSTileCache.position = {540, 80, 168, 30};
  LabelProductDataCache.position = {12, 122, 696, 20};
  LabelMaps1.position = {12, 162, 696, 20};
  LabelMaps2.position = {12, 186, 696, 20};
  LabelMaps3.position = {12, 210, 696, 20};
  LabelErklaerung.position = {12, 244, 696, 100};
}

void Form1::open() {
  if (loaded()) fill();
  show();
}

void Form1::Form_Load() { fill(); }

void Form1::fill() {
  for (const TileCache cache : kTileCaches) showCache(cache);
  LabelMaps1.caption = packageFolderLabel(services_.facts, kFolderCommonAppData);
  LabelMaps2.caption = packageFolderLabel(services_.facts, kFolderAppData);
  LabelMaps3.caption = packageFolderLabel(services_.facts, kFolderAppData);
  language();
}

void Form1::language() {
  if (const auto sprache = spracheFor(Settings(services_.registry).language())) sprache_ = *sprache;
  const Form1Texts texts = form1Texts(sprache_);
  caption = texts.caption;
  LabelErklaerung.caption = texts.explanation;
  CmdBCTilecache.caption = texts.cmdBCTilecache;
  CmdMapinstallTileCache.caption = texts.cmdMapinstallTileCache;
  CmdMSTileCache.caption = texts.cmdMSTileCache;
}

void Form1::showCache(TileCache cache) {
  showReading(readTileCache(services_.facts, cache, measure_));
}

void Form1::showReading(const CacheReading& reading) {
  labelOf(reading.cache).caption = cacheLabel(reading);
  const bool usable = reading.state == CacheState::Measured;
  switch (reading.cache) {
    case TileCache::BaseCamp:
      CmdBCTilecache.enabled = usable;
      break;
    case TileCache::MapInstall:
      CmdMapinstallTileCache.enabled = usable;
      break;
    case TileCache::MapSource:
      CmdMSTileCache.enabled = usable;
      break;
    case TileCache::BaseCampProductData:
      break;
  }
}

Label& Form1::labelOf(TileCache cache) {
  switch (cache) {
    case TileCache::MapInstall:
      return LabelMapinstall;
    case TileCache::MapSource:
      return LabelMapSource;
    case TileCache::BaseCampProductData:
      return LabelProductDataCache;
    case TileCache::BaseCamp:
      break;
  }
  return LabelBaseCamp;
}

void Form1::emptyCache(TileCache cache) {
  const CacheClearing clearing = clearTileCache(
      services_.facts, services_.folders, cache, [this] { windows().letEventsRun(); }, measure_);
  switch (clearing.outcome.status) {
    case ClearStatus::Missing:
      services_.dialogs.message(cacheNotExistingMessage(tileCacheFacts(cache).notExisting));
      return;
    case ClearStatus::Link:
      services_.dialogs.message(cacheLinkMessage(clearing.left.folder, sprache_));
      return;
    case ClearStatus::Emptied:
      showReading(clearing.left);
      services_.dialogs.message(cacheClearedMessage(clearing, sprache_));
      return;
  }
}

void Form1::CmdBCTilecache_Click() { emptyCache(TileCache::BaseCamp); }

void Form1::CmdMapinstallTileCache_Click() { emptyCache(TileCache::MapInstall); }

void Form1::CmdMSTileCache_Click() { emptyCache(TileCache::MapSource); }

void Form1::LabelBaseCamp_Click() { showCache(TileCache::BaseCamp); }

void Form1::LabelBaseCamp_MouseEnter() { showCache(TileCache::BaseCamp); }

void Form1::LabelMapSource_Click() { showCache(TileCache::MapSource); }

void Form1::LabelMapSource_MouseEnter() { showCache(TileCache::MapSource); }

}  // namespace mapsetdesk::ui
