#include "gmt/GmtActions.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "common/Bytes.h"
#include "common/Tiles.h"
#include "formats/ImgContainer.h"
#include "formats/ProductList.h"
#include "formats/TdbTiles.h"
#include "formats/TypHeader.h"
#include "gmt/MapsetFiles.h"
#include "platform/FilePath.h"

namespace mapsetdesk::standin {
namespace {

constexpr const char* kMapsetBase = "mapset";

std::vector<std::string> listedFiles(const std::string& list) {
  std::vector<std::string> files;
  std::istringstream lines(list);
  for (std::string line; std::getline(lines, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty()) files.push_back(textArgument(line));
  }
  return files;
}

std::optional<ImgContainer> readImage(const std::string& path) {
  const auto bytes = readWholeFile(path);
  if (!bytes) {
    say("cannot read " + path);
    return std::nullopt;
  }
  auto container = readImgContainer(*bytes);
  if (!container) say("no IMG file: " + path);
  return container;
}

void ensureFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(filePath(folder), ignored);
}

std::string paddedFid(std::uint16_t fid) {
  char text[16];
  std::snprintf(text, sizeof text, "%04u", static_cast<unsigned>(fid));
  return text;
}

const ImgSubfile* findType(const ImgContainer& container, const std::string& type) {
  for (const ImgSubfile& subfile : container.subfiles)
    if (subfile.type == type) return &subfile;
  return nullptr;
}

ProductList productsOf(const ImgContainer& container) {
  const ImgSubfile* mps = findType(container, "MPS");
  return mps ? readProductList(mps->bytes) : ProductList{};
}

// The mapset of one family of an image, from its product list.
Mapset familyMapset(const ProductList& products, std::uint16_t fid, std::vector<Tile> tiles) {
  Mapset mapset;
  mapset.fid = fid;
  const ProductList family = products.only(fid);
  if (!family.maps.empty()) {
    mapset.pid = family.maps.front().pid;
    mapset.name = family.maps.front().seriesName;
  }
  mapset.familyName = products.familyName(fid);
  if (mapset.name.empty()) mapset.name = mapset.familyName;
  for (Tile& tile : tiles)
    if (const MapRecord* map = family.mapOf(tile.mapNumber)) {
      tile.description = map->description;
      mapset.tiles.push_back(tile.indexEntry());
    }
  return mapset;
}

// Whether a subfile that is no tile goes with the family: its TYP files and
// the search index named after it.
bool belongsToFamily(const ImgSubfile& subfile, std::uint16_t fid) {
  if (subfile.type == "TYP") return readTypFid(subfile.bytes) == fid;
  return subfile.name == tileName(fid);
}

}  // namespace

int joinTiles(const GmtOptions& options, const Faults& faults) {
  const auto list = readWholeFile(options.list);
  if (!list) {
    say("cannot read the tile list " + options.list);
    return 1;
  }
  Mapset mapset;
  mapset.fid = options.fid;
  mapset.pid = options.pid;
  mapset.name = options.name;
  mapset.familyName = options.name;
  mapset.codePage = options.codePage;
  for (const std::string& file : listedFiles(*list)) {
    say("reading " + file);
    if (const auto container = readImage(file))
      for (const Tile& tile : tilesOf(*container)) mapset.tiles.push_back(tile.indexEntry());
  }
  if (mapset.tiles.empty() || faults.has("nothing")) {
    say("no mapset written");
    return 1;
  }
  writeMapsetFiles(mapset, options.folder, options.mapname, false, faults);
  writeHelperFiles(mapset, options.folder, options.mapname, true);
  return 0;
}

int splitImage(const GmtOptions& options, const Faults& faults) {
  const auto image = readImage(options.image);
  if (!image) return 1;
  if (faults.has("nothing")) return 1;
  ensureFolder(options.folder);
  const std::vector<Tile> tiles = tilesOf(*image);
  for (const Tile& tile : tiles)
    writeOut(options.folder, tileName(tile.mapNumber) + ".img",
             writeImgContainer({tile.description, tile.subfiles}));
  for (const ImgSubfile& subfile : image->subfiles)
    if (subfile.type == "TYP") writeOut(options.folder, subfile.name + ".typ", subfile.bytes);
  const ProductList products = productsOf(*image);
  if (products.families().size() != 1) return 0;
  const Mapset mapset = familyMapset(products, products.families().front(), tiles);
  writeMapsetFiles(mapset, options.folder, kMapsetBase, true, faults);
  writeHelperFiles(mapset, options.folder, kMapsetBase, false);
  return 0;
}

int splitFamilies(const GmtOptions& options, const Faults& faults) {
  const auto image = readImage(options.image);
  if (!image) return 1;
  if (faults.has("nothing") || faults.has("no-family")) {
    say("no family found");
    return 1;
  }
  ensureFolder(options.folder);
  const std::string base = withoutExtension(baseName(options.image)) + "_";
  const ProductList products = productsOf(*image);
  if (products.families().empty()) {
    writeOut(options.folder, base + paddedFid(0) + ".img", writeImgContainer(*image));
    return 0;
  }
  const std::vector<Tile> tiles = tilesOf(*image);
  for (const std::uint16_t fid : products.families()) {
    const ProductList family = products.only(fid);
    ImgContainer part{image->description, {}};
    for (const Tile& tile : tiles)
      if (family.mapOf(tile.mapNumber))
        part.subfiles.insert(part.subfiles.end(), tile.subfiles.begin(), tile.subfiles.end());
    for (const ImgSubfile& subfile : image->subfiles)
      if (belongsToFamily(subfile, fid)) part.subfiles.push_back(subfile);
    part.subfiles.push_back({"MAKEGMAP", "MPS", writeProductList(family)});
    say("family " + std::to_string(fid));
    writeOut(options.folder, base + paddedFid(fid) + ".img", writeImgContainer(part));
  }
  return 0;
}

int unpackImage(const GmtOptions& options, const Faults& faults) {
  const auto image = readImage(options.image);
  if (!image) return 1;
  if (faults.has("nothing")) return 1;
  ensureFolder(options.folder);
  for (const ImgSubfile& subfile : image->subfiles)
    writeOut(options.folder, subfile.fileName(), subfile.bytes);
  return 0;
}

}  // namespace mapsetdesk::standin
