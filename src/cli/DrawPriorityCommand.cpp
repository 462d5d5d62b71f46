#include <optional>
#include <ostream>

#include "app/Language.h"
#include "app/Settings.h"
#include "app/messages/DrawPriorityTexts.h"
#include "cli/Commands.h"
#include "cli/JournaledCommand.h"
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
    context.err << "draw-priority: " << tdb << ": " << describe(content.status) << '\n';
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

void printTiles(Context& context, const PriorityMapset& mapset) {
  for (const PriorityTile& tile : mapset.tiles)
    context.out << tile.name << '\t' << tile.description << '\t'
                << shownPriority(tile, mapset.form) << '\n';
}

int change(Context& context, const std::string& name, const PriorityMapset& mapset,
           const std::string& entry, const DrawPriorityTexts& texts) {
  const auto priority = drawPriorityToWrite(limitDrawPriorityEntry(entry));
  if (!priority) {
    context.out << texts.noEntry << '\n';
    return 1;
  }
  const auto registry = openSystemRegistry(context.platform);
  PriorityWrite written;
  // A held file stops the run; what it wrote stays, as an entry that can be undone.
  if (!journaledChange(context, *registry, "draw-priority", name, [&](Recorded& recorded) {
        if (!recorded.entry.keepPatches(drawPriorityBytes(mapset))) return false;
        written = writeDrawPriorities(mapset, *priority);
        return true;
      }))
    return 1;
  for (const std::string& file : written.withoutTreHeader)
    context.out << file << ": " << texts.noTreHeader << '\n';
  if (written.held) {
    context.out << texts.closeMapsource << '\n';
    return 1;
  }
  context.out << drawPriorityChanged(texts, written.written) << '\n';
  printTiles(context, mapset);
  return 0;
}

}  // namespace

int drawPriority(Context& context) {
  constexpr const char* kUsage = "draw-priority [--registry|--gmap] MAPSET [VALUE]";
  const MapsetKind kind = takeMapsetKind(context.args);
  if (context.args.empty() || context.args.size() > 2) return usageError(context, kUsage);
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, context.args[0], kind);
  if (!chosen) return 1;
  const auto mapset = tilesOfChosen(context, *chosen);
  if (!mapset) return 1;
  if (context.args.size() == 1) {
    printTiles(context, *mapset);
    return 0;
  }
  const Sprache sprache =
      spracheFor(Settings(*openSystemRegistry(context.platform)).language())
          .value_or(Sprache::Deutsch);
  const std::string name =
      chosen->registry ? chosen->registry->cells.name : chosen->package->display;
  return change(context, name, *mapset, context.args[1], drawPriorityTexts(sprache));
}

}  // namespace mapsetdesk::cli
