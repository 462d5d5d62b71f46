// The main window's BaseCamp cache button, whose caption tells how much the
// cache holds, and the label that opens the folders window.
#include "app/messages/MessageKeys.h"
#include "cache/CacheClearing.h"
#include "cache/CacheMessages.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {
namespace {

constexpr std::string_view kClickNotExisting = "TileCache is not existing";
constexpr std::string_view kFocusNotExisting = "Garmin\\BaseCamp\\TileCache is not existing";

}  // namespace

void fMain::showBaseCampCacheCaption() {
  const MessageCatalogue& texts = session_.texts;
  if (session_.vMB == 0) {
    CommandKompa.caption = texts.text(key::Satz77);
    return;
  }
  CommandKompa.caption = texts.text(key::Satz75) + session_.vstringMB + texts.text(key::Satz76);
}

CacheReading fMain::refreshBaseCampCache() {
  const CacheReading reading = measureBaseCampTileCache(services_, session_);
  showBaseCampCacheCaption();
  return reading;
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
  keepBaseCampCacheSize(session_, clearing.left);
  showBaseCampCacheCaption();
}

void fMain::CommandKompa_GotFocus() {
  if (refreshBaseCampCache().state == CacheState::Missing)
    services_.dialogs.message(cacheNotExistingMessage(kFocusNotExisting));
}

void fMain::CommandKompa_MouseEnter() { refreshBaseCampCache(); }

void fMain::LabelGMPFolder_Click() { program_.form1.open(); }

}  // namespace mapsetdesk::ui
