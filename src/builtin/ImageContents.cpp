#include "builtin/ImageContents.h"

#include <map>

#include "builtin/ReportLines.h"
#include "formats/TdbTiles.h"
#include "formats/TreHeader.h"
#include "formats/TypHeader.h"

namespace mapsetdesk::builtin {
namespace {

constexpr std::size_t kTilesBetweenEvents = 256;

}  // namespace

std::vector<ImageTile> readImageTiles(ImgFile& image, ToolReport* report) {
  const ImgDirectory& directory = image.directory();
  // Grouped once: an image may hold tens of thousands of subfiles.
  std::map<std::string, std::vector<const ImgEntry*>> byName;
  for (const ImgEntry& entry : directory.entries) byName[entry.name].push_back(&entry);
  std::vector<ImageTile> tiles;
  std::size_t read = 0;
  for (const ImgEntry& tre : directory.entries) {
    if (tre.type != "TRE") continue;
    if (report && ++read % kTilesBetweenEvents == 0) report->letEventsRun();
    const auto start = image.readStart(tre, kTreFactsBytes);
    const auto facts = start ? readTreFacts(*start, tre.name) : std::nullopt;
    if (!facts) continue;
    ImageTile found{{facts->mapNumber, facts->bounds, directory.description, {}}, {}};
    for (const ImgEntry* entry : byName[tre.name]) {
      found.entries.push_back(*entry);
      found.tile.subfiles.push_back({entry->fileName(), entry->size});
    }
    tiles.push_back(std::move(found));
  }
  return tiles;
}

ProductList readImageProducts(ImgFile& image) {
  for (const ImgEntry& entry : image.directory().entries) {
    if (entry.type != "MPS") continue;
    const auto bytes = image.readStart(entry, entry.size);
    if (bytes) return readProductList(*bytes);
    ProductList unread;
    unread.damaged = true;
    return unread;
  }
  return {};
}

std::vector<std::uint32_t> tilesWithoutFamily(const std::vector<ImageTile>& tiles,
                                              const ProductList& products) {
  const MapRecordIndex records(products);
  std::vector<std::uint32_t> found;
  for (const ImageTile& tile : tiles)
    if (!records.of(tile.tile.mapNumber)) found.push_back(tile.tile.mapNumber);
  return found;
}

bool productListUsable(const std::string& path, const ProductList& products,
                       const std::vector<ImageTile>& tiles, ToolReport& report) {
  if (products.damaged) {
    report.line(cannotReadLine(path, kDamagedProductList));
    return false;
  }
  if (products.maps.empty()) return true;
  const std::vector<std::uint32_t> lost = tilesWithoutFamily(tiles, products);
  for (const std::uint32_t mapNumber : lost)
    report.line(tileWithoutFamilyLine(path, tileName(mapNumber)));
  return lost.empty();
}

std::optional<std::uint16_t> readImageTypFid(ImgFile& image, const ImgEntry& typ) {
  const auto start = image.readStart(typ, kTypFidOffset + 2);
  return start ? readTypFid(*start) : std::nullopt;
}

}  // namespace mapsetdesk::builtin
