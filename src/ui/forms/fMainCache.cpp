// The main window's BaseCamp cache button, whose caption tells how much the
// cache holds, and the label that opens the folders window.
#include "app/messages/MessageKeys.h"
#include "cache/CacheClearing.h"
#include "cache/CacheMessages.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {
namespace {

constexpr std::string_view kClickNotExisting = "TileCache is not existing";
constexpr std::string_view kCaptionNotExisting = "Garmin\\BaseCamp\\TileCache is not existing";

}  // namespace

void fMain::showBaseCampCacheCaption() {
  const CacheReading reading = readTileCache(services_.facts, TileCache::BaseCamp);
  session_.vMB = 0;
  session_.vstringMB.clear();
  if (reading.state == CacheState::Missing) {
    CommandKompa.caption = std::string(kCaptionNotExisting);
    return;
  }
  if (reading.state == CacheState::Measured) {
    session_.vMB = static_cast<long long>(reading.megabytes());
    session_.vstringMB = std::to_string(session_.vMB) + " MB";
  }
  const MessageCatalogue& texts = session_.texts;
  if (session_.vMB == 0) {
    CommandKompa.caption = texts.text(key::Satz77);
    return;
  }
  CommandKompa.caption = texts.text(key::Satz75) + session_.vstringMB + texts.text(key::Satz76);
}

void fMain::CommandKompa_Click() {
  CommandKompa.backColor = kActionColour;
  const CacheClearing clearing =
      clearTileCache(services_.facts, services_.folders, TileCache::BaseCamp,
                     [this] { windows().letEventsRun(); });
  const Sprache sprache = session_.texts.sprache().value_or(Sprache::Deutsch);
  switch (clearing.outcome.status) {
    case ClearStatus::Missing:
      services_.dialogs.message(cacheNotExistingMessage(kClickNotExisting));
      break;
    case ClearStatus::Link:
      services_.dialogs.message(cacheLinkMessage(clearing.left.folder, sprache));
      break;
    case ClearStatus::Emptied:
      services_.dialogs.message(cacheClearedMessage(clearing, sprache));
      break;
  }
  Farbe();
  showBaseCampCacheCaption();
}

void fMain::CommandKompa_GotFocus() { showBaseCampCacheCaption(); }

void fMain::CommandKompa_MouseMove() { showBaseCampCacheCaption(); }

void fMain::LabelGMPFolder_Click() { program_.form1.open(); }

}  // namespace mapsetdesk::ui
