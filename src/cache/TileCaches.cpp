#include "cache/TileCaches.h"

#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

constexpr TileCacheFacts kBaseCamp{
    kFolderLocalAppData,
    {"Garmin", "BaseCamp", "TileCache"},
    "\\GARMIN\\Basecamp\\TileCache :",
    "\\GARMIN\\Basecamp\\TileCache: folder is not existing",
    "\\GARMIN\\Basecamp\\TileCache: Zugriff verweigert",
    "Folder Garmin\\BaseCamp\\TileCache is not existing",
};

constexpr TileCacheFacts kMapInstall{
    kFolderLocalAppData,
    {"Garmin", "MapInstall", "TileCache"},
    "\\GARMIN\\Mapinstall\\Tilecache :",
    "\\GARMIN\\Mapinstall\\Tilecache : folder is not existing",
    "\\GARMIN\\Mapinstall\\Tilecache : Zugriff verweigert",
    "Folder \\GARMIN\\Mapinstall\\Tilecache is not existing",
};

constexpr TileCacheFacts kMapSource{
    kFolderAppData,
    {"GARMIN", "MapSource", "TileCache"},
    "\\Garmin\\Mapsource\\Tilecache :",
    "\\Garmin\\Mapsource\\Tilecache : folder is not existing",
    "\\Garmin\\Mapsource\\Tilecache :Zugriff verweigert",
    "Folder \\GARMIN\\MapSource\\TileCache is not existing",
};

// Shown only, never emptied: it has no button and no message.
constexpr TileCacheFacts kProductData{
    kFolderLocalAppData,
    {"Garmin", "BaseCamp", "ProductDataCache"},
    "\\Garmin\\BaseCamp\\ProductDataCache :",
    "\\Garmin\\BaseCamp\\ProductDataCache : folder is not existing",
    "\\Garmin\\BaseCamp\\ProductDataCache : Zugriff verweigert",
    "",
};

}  // namespace

const TileCacheFacts& tileCacheFacts(TileCache cache) {
  switch (cache) {
    case TileCache::MapInstall:
      return kMapInstall;
    case TileCache::MapSource:
      return kMapSource;
    case TileCache::BaseCampProductData:
      return kProductData;
    case TileCache::BaseCamp:
      break;
  }
  return kBaseCamp;
}

std::string tileCacheFolder(SystemFacts& facts, TileCache cache) {
  const TileCacheFacts& where = tileCacheFacts(cache);
  std::string folder = facts.specialFolder(where.specialFolder);
  if (folder.empty()) return {};
  for (const std::string_view name : where.below) folder = joinPath(folder, std::string(name));
  return folder;
}

CacheReading readTileCache(SystemFacts& facts, TileCache cache, const MeasureFolder& measure) {
  CacheReading reading;
  reading.cache = cache;
  reading.specialFolder = facts.specialFolder(tileCacheFacts(cache).specialFolder);
  reading.folder = tileCacheFolder(facts, cache);
  if (!isFolder(reading.folder)) return reading;
  const auto bytes = measure(reading.folder);
  reading.state = bytes ? CacheState::Measured : CacheState::Unreadable;
  reading.bytes = bytes.value_or(0);
  return reading;
}

std::string cacheLabel(const CacheReading& reading) {
  const TileCacheFacts& texts = tileCacheFacts(reading.cache);
  std::string label = reading.specialFolder;
  switch (reading.state) {
    case CacheState::Missing:
      return label.append(texts.missingLabel);
    case CacheState::Unreadable:
      return label.append(texts.deniedLabel);
    case CacheState::Measured:
      break;
  }
  label.append(texts.labelTail);
  if (reading.cache == TileCache::BaseCampProductData)
    return label + std::to_string(reading.bytes) + " Byte" + " belegt";
  return label + std::to_string(reading.megabytes()) + " MB belegt";
}

std::string packageFolderLabel(SystemFacts& facts, int specialFolder) {
  return facts.specialFolder(specialFolder) + "\\GARMIN\\Maps";
}

}  // namespace mapsetdesk
