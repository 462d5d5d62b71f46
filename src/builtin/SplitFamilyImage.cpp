#include "builtin/SplitFamilyImage.h"

#include "builtin/ImageContents.h"
#include "builtin/ImagePieces.h"
#include "builtin/OpenImage.h"
#include "builtin/OutputFiles.h"
#include "builtin/ReportLines.h"
#include "formats/MdxWriter.h"
#include "formats/OverviewSource.h"
#include "formats/TdbTiles.h"
#include "formats/TdbWriter.h"

namespace mapsetdesk::builtin {
namespace {

constexpr const char* kMapsetBase = "mapset";

// The tile's own description from the product list, else the image's.
std::string descriptionOf(const ImageTile& tile, const MapRecordIndex& records) {
  const MapRecord* map = records.of(tile.tile.mapNumber);
  return map && !map->description.empty() ? map->description : tile.tile.description;
}

void writeTiles(ImgFile& image, const std::vector<ImageTile>& tiles, const ProductList& products,
                OutputFiles& output) {
  const MapRecordIndex records(products);
  for (const ImageTile& tile : tiles) {
    std::vector<ImgPiece> pieces;
    for (const ImgEntry& entry : tile.entries) pieces.push_back(copiedPiece(image, entry));
    output.write(tileName(tile.tile.mapNumber) + ".img",
                 imgContent(descriptionOf(tile, records), std::move(pieces)));
  }
}

void writeTypFiles(ImgFile& image, OutputFiles& output) {
  for (const ImgEntry& entry : image.directory().entries)
    if (entry.type == "TYP")
      output.write(entry.fileName(), [&](std::ostream& out) { return image.copyTo(entry, out); });
}

Mapset familyMapset(const ProductList& products, std::uint16_t fid,
                    const std::vector<ImageTile>& tiles) {
  Mapset mapset;
  mapset.fid = fid;
  const ProductList family = products.only(fid);
  const MapRecordIndex records(family);
  mapset.pid = family.maps.front().pid;
  mapset.name = family.maps.front().seriesName;
  mapset.familyName = products.familyName(fid);
  if (mapset.name.empty()) mapset.name = mapset.familyName;
  for (const ImageTile& tile : tiles)
    if (records.of(tile.tile.mapNumber)) {
      MapTile entry = tile.tile;
      entry.description = descriptionOf(tile, records);
      mapset.tiles.push_back(std::move(entry));
    }
  return mapset;
}

void writeMapsetFiles(const Mapset& mapset, OutputFiles& output) {
  const std::string base = kMapsetBase;
  const auto tdb = writeTdb(mapset);
  if (!tdb) return output.refuse(base + ".tdb", kTdbTooLarge);
  output.write(base + ".tdb", *tdb);
  output.write(base + ".mp", writeOverviewSource(mapset));
  output.write(base + ".mdx", writeMdx(mapset));
}

}  // namespace

bool splitFamilyImage(const GmtCommand& command, ToolReport& report) {
  ImgFile image = openImage(command.image, report);
  if (image.problem() != ImgFileProblem::None) return false;
  const ProductList products = readImageProducts(image);
  const std::vector<ImageTile> tiles = readImageTiles(image, &report);
  if (!productListUsable(command.image, products, tiles, report)) return false;
  OutputFiles output(command.folder, report, command.image);
  if (!output.prepareFolder()) return false;
  writeTiles(image, tiles, products, output);
  writeTypFiles(image, output);
  const std::vector<std::uint16_t> families = products.families();
  // A mapset file naming a tile that was not written would be a lie.
  if (families.size() == 1 && output.failed() == 0)
    writeMapsetFiles(familyMapset(products, families.front(), tiles), output);
  return output.complete();
}

}  // namespace mapsetdesk::builtin
