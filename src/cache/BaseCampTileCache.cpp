#include "cache/BaseCampTileCache.h"

#include "cache/TileCaches.h"

namespace mapsetdesk {

std::string baseCampTileCacheFolder(SystemFacts& facts) {
  return tileCacheFolder(facts, TileCache::BaseCamp);
}

}  // namespace mapsetdesk
