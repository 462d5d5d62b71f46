#pragma once
// The tile cache of BaseCamp below the user's local application data, which
// the main window measures at start and empties from its cache button; the
// sizes come from FolderSize.h.
#include <string>

#include "cache/FolderSize.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {

// The folder "Garmin\BaseCamp\TileCache" below local application data.
std::string baseCampTileCacheFolder(SystemFacts& facts);

}  // namespace mapsetdesk
