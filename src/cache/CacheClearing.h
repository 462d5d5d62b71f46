#pragma once
// Emptying a tile cache: every file directly in its folder is deleted, one by
// one, with the windows let run after each; folders below it stay with all
// they hold. A file that cannot be deleted does not end the emptying.
#include <cstddef>
#include <functional>
#include <string>

#include "cache/TileCaches.h"
#include "platform/FolderOps.h"

namespace mapsetdesk {

enum class ClearStatus {
  Missing,  // no such folder: nothing is created, nothing deleted
  Link,     // the folder only links to another place, which is left alone
  Emptied,
};

struct ClearOutcome {
  ClearStatus status = ClearStatus::Missing;
  std::size_t deleted = 0;
  std::size_t notDeleted = 0;  // in use by a running program, or protected
};

ClearOutcome emptyCacheFolder(const std::string& folder, FolderOps& folders,
                              const std::function<void()>& letEventsRun);

struct CacheClearing {
  ClearOutcome outcome;
  CacheReading left;  // what the cache holds afterwards
};

// Empties the cache and reads what is left in it.
CacheClearing clearTileCache(SystemFacts& facts, FolderOps& folders, TileCache cache,
                             const std::function<void()>& letEventsRun,
                             const MeasureFolder& measure = folderBytes);

}  // namespace mapsetdesk
