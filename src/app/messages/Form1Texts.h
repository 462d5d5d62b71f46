#pragma once
// The texts of the folders window `Form1`, which keeps its own texts beside
// the main window's catalogue. The labels of the caches and folders are the
// same in both languages (cache/TileCaches.h).
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct Form1Texts {
  std::string caption;      // the window's title
  std::string explanation;  // where gmap packages must lie, line by line
  std::string cmdBCTilecache;
  std::string cmdMapinstallTileCache;
  std::string cmdMSTileCache;
};

Form1Texts form1Texts(Sprache sprache);

}  // namespace mapsetdesk
