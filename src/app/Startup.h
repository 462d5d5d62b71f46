#pragma once
// The start-up of the main window, step by step in the order the program has
// always taken them. What a step does to the window itself (colours, captions,
// pictures, the tile folder) the window does through StartupWindow; the rest
// happens here on the session and through the services.
#include <string>

#include "app/Services.h"
#include "app/Session.h"
#include "cache/TileCaches.h"

namespace mapsetdesk {

class StartupWindow {
 public:
  virtual ~StartupWindow() = default;
  virtual void Farbe() = 0;                // every action button back to its colour
  virtual void showOptionPictures() = 0;   // the pictures of the TDB option pair, "no" chosen
  virtual void applyTexts() = 0;           // captions and tool tips from the session's texts
  virtual void hideNewMapsetLabels() = 0;  // Label11 and Label12
  virtual void showTitle(const std::string& title) = 0;
  virtual void openTileFolder(const std::string& folder) = 0;
  // The cache button's caption from the size the session keeps; nothing is
  // measured for it.
  virtual void showBaseCampCacheCaption() = 0;
};

enum class StartupOutcome { Ready, EndProgram };

// The Windows versions on which a missing administrator right is asked about.
bool asksForAdminRights(const std::string& versionName);

// Steps 1 to 12. EndProgram when the person chose to end the program instead
// of going on without administrator rights; the steps after that question
// are not taken then.
StartupOutcome startUp(Services& services, Session& session, StartupWindow& window);

// Step 11 alone: asks until the Wow64 setting holds "wahr" or "falsch", then
// fixes the registry base of the session.
void settleRegistryBase(Services& services, Session& session);

// Step 12 alone: measures the BaseCamp tile cache once and keeps its size.
CacheReading measureBaseCampTileCache(Services& services, Session& session);

// The one rule for `vMB` and `vstringMB`: the size of a cache that was
// measured; 0 and the empty text for one that is missing or cannot be read.
void keepBaseCampCacheSize(Session& session, const CacheReading& reading);

}  // namespace mapsetdesk
