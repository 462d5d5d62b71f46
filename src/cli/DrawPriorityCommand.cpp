#include <memory>
#include <optional>
#include <ostream>

#include "app/messages/DrawPriorityTexts.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/JournaledCommand.h"
#include "cli/JsonOutput.h"
#include "cli/MapsetChoice.h"
#include "edit/DrawPriority.h"
#include "formats/FileBytes.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {
namespace {

std::optional<PriorityMapset> tilesOfChosen(Context& context, const ChosenMapset& chosen) {
  const std::string tdb = chosen.registry ? chosen.registry->entry.tdb : chosen.package->tdb;
  const FileContent content = readFileBytes(tdb);
  if (content.status != FileStatus::Ok) {
    context.err << tdb << ": " << describe(content.status) << '\n';
    return std::nullopt;
  }
  if (chosen.registry) return registeredTiles(content.bytes, chosen.registry->entry.tileFolder);
  return packageTiles(content.bytes, pathText(filePath(tdb).parent_path()));
}

// The first file's value, or "none" when the tile has no readable TRE header.
std::string shownPriority(const PriorityTile& tile, TreForm form) {
  const std::vector<TileReading> readings = readTilePriorities(tile, form);
  if (readings.empty() || readings.front().state != TileState::Read) return "none";
  return std::to_string(readings.front().priority);
}

void printTiles(Context& context, const PriorityMapset& mapset, bool json) {
  nlohmann::json tiles = nlohmann::json::array();
  for (const PriorityTile& tile : mapset.tiles) {
    const std::string priority = shownPriority(tile, mapset.form);
    if (json)
      tiles.push_back({{"tile", tile.name},
                       {"description", tile.description},
                       {"drawPriority", priority == "none" ? nlohmann::json(nullptr)
                                                           : nlohmann::json(std::stoi(priority))}});
    else
      context.out << tile.name << '\t' << tile.description << '\t' << priority << '\n';
  }
  if (json) printJson(context.out, tiles);
}

int change(Context& context, const std::string& name, const PriorityMapset& mapset,
           const std::string& entry, const DrawPriorityTexts& texts) {
  const auto priority = drawPriorityToWrite(limitDrawPriorityEntry(entry));
  if (!priority) {
    context.err << texts.noEntry << '\n';
    return 1;
  }
  const auto registry = openSystemRegistry(context.platform);
  PriorityWrite written;
  // A held file stops the run; what it wrote stays, as an entry that can be undone.
  if (!journaledChange(context, *registry, "draw-priority", name, [&](Recorded& recorded) {
        written = writeDrawPriorities(mapset, *priority, &recorded.entry);
        return !written.notKept;
      }))
    return 1;
  for (const std::string& file : written.withoutTreHeader)
    context.err << file << ": " << texts.noTreHeader << '\n';
  if (written.held) {
    context.err << texts.closeMapsource << '\n';
    return 1;
  }
  context.err << drawPriorityChanged(texts, written.written) << '\n';
  printTiles(context, mapset, false);
  return 0;
}

struct PriorityArguments {
  MapsetKind kind = MapsetKind::Any;
  std::string mapset;
  std::optional<std::string> value;
  bool json = false;
};

int drawPriority(Context& context, const PriorityArguments& args) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, args.kind);
  if (!chosen) return 1;
  const auto mapset = tilesOfChosen(context, *chosen);
  if (!mapset) return 1;
  if (!args.value) {
    printTiles(context, *mapset, args.json);
    return 0;
  }
  const std::string name =
      chosen->registry ? chosen->registry->cells.name : chosen->package->display;
  return change(context, name, *mapset, *args.value, drawPriorityTexts(context.sprache));
}

}  // namespace

void addDrawPriority(CommandLine& commandLine) {
  auto args = std::make_shared<PriorityArguments>();
  CLI::App& command = commandLine.add(
      "draw-priority", [args](Context& context) { return drawPriority(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.argument(command, "MAPSET", args->mapset)->required();
  commandLine.number(command, "VALUE", args->value);
  commandLine.json(command, args->json);
}

}  // namespace mapsetdesk::cli
