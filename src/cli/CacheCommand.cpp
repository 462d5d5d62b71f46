#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "cache/CacheClearing.h"
#include "cache/CacheMessages.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
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

nlohmann::json readingJson(std::string_view name, const CacheReading& reading) {
  nlohmann::json entry = {{"name", name}, {"folder", reading.folder}};
  switch (reading.state) {
    case CacheState::Missing:
      entry["state"] = "missing";
      break;
    case CacheState::Unreadable:
      entry["state"] = "unreadable";
      break;
    case CacheState::Measured:
      entry["state"] = "ok";
      entry["bytes"] = reading.bytes;
      if (reading.cache != TileCache::BaseCampProductData) entry["megabytes"] = reading.megabytes();
      break;
  }
  return entry;
}

int cache(Context& context, bool json) {
  const auto facts = openSystemFacts(context.platform);
  nlohmann::json entries = nlohmann::json::array();
  for (const auto& [name, which] : kCacheNames) {
    const CacheReading reading = readTileCache(*facts, which);
    if (json) entries.push_back(readingJson(name, reading));
    else printReading(context.out, name, reading);
  }
  if (json) printJson(context.out, entries);
  return 0;
}

int cacheClear(Context& context, const std::string& name) {
  const CacheName* chosen = nullptr;
  for (const CacheName& entry : kCacheNames)
    if (entry.name == name) chosen = &entry;
  const auto facts = openSystemFacts(context.platform);
  StreamDialogs dialogs(context.err);
  const auto folders = openSystemFolderOps(dialogs);
  const Sprache sprache = context.sprache;
  const CacheClearing clearing = clearTileCache(*facts, *folders, chosen->cache, [] {});
  auto& err = context.err;
  switch (clearing.outcome.status) {
    case ClearStatus::Missing:
      err << tileCacheFacts(chosen->cache).notExisting << '\n';
      return 1;
    case ClearStatus::Link:
      err << cacheLinkMessage(clearing.left.folder, sprache).text << '\n';
      return 1;
    case ClearStatus::Emptied:
      break;
  }
  if (clearing.left.state != CacheState::Measured) {
    err << cacheLabel(clearing.left) << '\n';
    return 1;
  }
  context.out << clearing.left.megabytes() << "\tMB\n";
  if (clearing.outcome.notDeleted == 0) return 0;
  err << notDeletedNotice(clearing.outcome.notDeleted, sprache) << '\n';
  return 1;
}

}  // namespace

void addCache(CommandLine& commandLine) {
  auto json = std::make_shared<bool>(false);
  CLI::App& command =
      commandLine.add("cache", [json](Context& context) { return cache(context, *json); });
  commandLine.json(command, *json);
}

void addCacheClear(CommandLine& commandLine) {
  auto name = std::make_shared<std::string>();
  CLI::App& command = commandLine.add(
      "cache-clear", [name](Context& context) { return cacheClear(context, *name); });
  commandLine.word(command, "CACHE", *name, {"basecamp", "mapinstall", "mapsource"})->required();
}

}  // namespace mapsetdesk::cli
