#pragma once
// What the emptying of a tile cache says beyond its size: files that had to
// stay, and a cache folder that is only a link to another place.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct CacheTexts {
  std::string notDeleted;    // after the number of files that stayed
  std::string linkedFolder;  // before the folder's path
};

CacheTexts cacheTexts(Sprache sprache);

}  // namespace mapsetdesk
