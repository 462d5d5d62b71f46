#include <array>
#include <ostream>
#include <string_view>

#include "app/Language.h"
#include "app/Settings.h"
#include "cache/CacheClearing.h"
#include "cache/CacheMessages.h"
#include "cli/Commands.h"
#include "cli/StreamDialogs.h"

namespace mapsetdesk::cli {
namespace {

struct CacheName {
  std::string_view name;
  TileCache cache;
};

constexpr std::array<CacheName, 4> kCacheNames{{
    {"basecamp", TileCache::BaseCamp},
    {"mapinstall", TileCache::MapInstall},
    {"mapsource", TileCache::MapSource},
    {"basecamp-productdata", TileCache::BaseCampProductData},
}};

void printReading(std::ostream& out, std::string_view name, const CacheReading& reading) {
  out << name << '\t';
  switch (reading.state) {
    case CacheState::Missing:
      out << "missing";
      break;
    case CacheState::Unreadable:
      out << "unreadable";
      break;
    case CacheState::Measured:
      if (reading.cache == TileCache::BaseCampProductData) {
        out << reading.bytes << "\tbytes";
      } else {
        out << reading.megabytes() << "\tMB";
      }
      break;
  }
  out << '\n';
}

}  // namespace

int cache(Context& context) {
  if (!context.args.empty()) return usageError(context, "cache");
  const auto facts = openSystemFacts(context.platform);
  for (const auto& [name, which] : kCacheNames) {
    printReading(context.out, name, readTileCache(*facts, which));
  }
  return 0;
}

int cacheClear(Context& context) {
  constexpr const char* kUsage = "cache-clear basecamp|mapinstall|mapsource";
  if (context.args.size() != 1) return usageError(context, kUsage);
  const CacheName* chosen = nullptr;
  for (const CacheName& entry : kCacheNames) {
    if (entry.name == context.args[0] && entry.cache != TileCache::BaseCampProductData)
      chosen = &entry;
  }
  if (!chosen) return usageError(context, kUsage);

  const auto registry = openSystemRegistry(context.platform);
  const auto facts = openSystemFacts(context.platform);
  StreamDialogs dialogs(context.err);
  const auto folders = openSystemFolderOps(dialogs);
  const Sprache sprache = spracheFor(Settings(*registry).language()).value_or(Sprache::Deutsch);
  const CacheClearing clearing = clearTileCache(*facts, *folders, chosen->cache, [] {});
  auto& out = context.out;
  switch (clearing.outcome.status) {
    case ClearStatus::Missing:
      out << tileCacheFacts(chosen->cache).notExisting << '\n';
      return 1;
    case ClearStatus::Link:
      out << cacheLinkMessage(clearing.left.folder, sprache).text << '\n';
      return 1;
    case ClearStatus::Emptied:
      break;
  }
  if (clearing.left.state != CacheState::Measured) {
    out << cacheLabel(clearing.left) << '\n';
    return 1;
  }
  out << clearing.left.megabytes() << "\tMB\n";
  if (clearing.outcome.notDeleted == 0) return 0;
  out << notDeletedNotice(clearing.outcome.notDeleted, sprache) << '\n';
  return 1;
}

}  // namespace mapsetdesk::cli
