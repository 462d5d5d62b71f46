#pragma once
// The caches of Garmin's desktop programs: where each lies below a special
// folder, how much it holds, and how the folders window names it. The texts
// are the program's own, each with its own capitalisation; the folders on
// disk are found without regard to case on Windows, and with one spelling per
// special folder elsewhere.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cache/FolderSize.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {

enum class TileCache { BaseCamp, MapInstall, MapSource, BaseCampProductData };

// In the order the folders window shows them.
inline constexpr std::array<TileCache, 4> kTileCaches{TileCache::BaseCamp, TileCache::MapInstall,
                                                      TileCache::MapSource,
                                                      TileCache::BaseCampProductData};

struct TileCacheFacts {
  int specialFolder;                      // shell folder number
  std::array<std::string_view, 3> below;  // the folders below it, outermost first
  std::string_view labelTail;             // after the special folder, before the size
  std::string_view missingLabel;          // after the special folder
  std::string_view deniedLabel;           // after the special folder
  std::string_view notExisting;           // message of the window's empty button
};

const TileCacheFacts& tileCacheFacts(TileCache cache);

// Empty when the special folder is unknown.
std::string tileCacheFolder(SystemFacts& facts, TileCache cache);

enum class CacheState { Missing, Unreadable, Measured };

struct CacheReading {
  TileCache cache = TileCache::BaseCamp;
  std::string specialFolder;  // what the label starts with
  std::string folder;
  CacheState state = CacheState::Missing;
  std::uint64_t bytes = 0;  // when measured

  std::uint64_t megabytes() const { return cacheMegabytes(bytes); }
};

CacheReading readTileCache(SystemFacts& facts, TileCache cache,
                           const MeasureFolder& measure = folderBytes);

// The folders window's label: the size in MB ("... MB belegt"; the product
// data cache in bytes), or the missing or access-denied text.
std::string cacheLabel(const CacheReading& reading);

// The label of a folder in which gmap packages are looked for.
std::string packageFolderLabel(SystemFacts& facts, int specialFolder);

}  // namespace mapsetdesk
