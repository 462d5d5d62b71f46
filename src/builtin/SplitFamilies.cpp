#include "builtin/SplitFamilies.h"

#include <cstdio>
#include <map>
#include <set>

#include "builtin/ImageContents.h"
#include "builtin/ImagePieces.h"
#include "builtin/OpenImage.h"
#include "builtin/OutputFiles.h"
#include "formats/TdbTiles.h"
#include "platform/FilePath.h"

namespace mapsetdesk::builtin {
namespace {

constexpr const char* kProductListName = "MAKEGMAP";

std::string familyFileName(const std::string& image, std::uint16_t fid) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fid));
  return pathText(filePath(image).stem()) + "_" + digits + ".img";
}

// The FID whose tile name the subfile bears, as the search index of a
// family is named.
std::optional<std::uint16_t> fidNamed(const std::string& name) {
  if (name.size() != 8 || name.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const unsigned long number = std::stoul(name);
  if (number > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(number);
}

using EntriesByFamily = std::map<std::uint16_t, std::vector<const ImgEntry*>>;

// The subfiles that go with a family beside its tiles: its TYP files and the
// search index named after it. Gathered in one pass, so that many families
// do not mean many passes over many subfiles.
EntriesByFamily familyExtras(ImgFile& image, const std::vector<ImageTile>& tiles) {
  std::set<std::string> tileNames;
  for (const ImageTile& tile : tiles)
    for (const ImgEntry& entry : tile.entries) tileNames.insert(entry.name);
  EntriesByFamily extras;
  for (const ImgEntry& entry : image.directory().entries) {
    if (entry.type == "TYP") {
      if (const auto fid = readImageTypFid(image, entry)) extras[*fid].push_back(&entry);
    } else if (entry.type != "MPS" && !tileNames.count(entry.name)) {
      if (const auto fid = fidNamed(entry.name)) extras[*fid].push_back(&entry);
    }
  }
  return extras;
}

std::map<std::uint16_t, std::vector<const ImageTile*>> tilesByFamily(
    const std::vector<ImageTile>& tiles, const ProductList& products) {
  const MapRecordIndex records(products);
  std::map<std::uint16_t, std::vector<const ImageTile*>> grouped;
  for (const ImageTile& tile : tiles)
    if (const MapRecord* record = records.of(tile.tile.mapNumber))
      grouped[record->fid].push_back(&tile);
  return grouped;
}

std::vector<ImgPiece> familyPieces(ImgFile& image, const std::vector<const ImageTile*>& tiles,
                                   const std::vector<const ImgEntry*>& extras,
                                   const ProductList& family) {
  std::vector<ImgPiece> pieces;
  for (const ImageTile* tile : tiles)
    for (const ImgEntry& entry : tile->entries) pieces.push_back(copiedPiece(image, entry));
  for (const ImgEntry* entry : extras) pieces.push_back(copiedPiece(image, *entry));
  pieces.push_back(madePiece(kProductListName, "MPS", writeProductList(family)));
  return pieces;
}

std::vector<ImgPiece> everyPiece(ImgFile& image) {
  std::vector<ImgPiece> pieces;
  for (const ImgEntry& entry : image.directory().entries)
    pieces.push_back(copiedPiece(image, entry));
  return pieces;
}

bool writeFamilies(ImgFile& image, const std::string& imagePath, const ProductList& products,
                   const std::vector<ImageTile>& tiles, OutputFiles& output) {
  auto tilesOf = tilesByFamily(tiles, products);
  auto extrasOf = familyExtras(image, tiles);
  auto lists = products.byFamily();
  for (const std::uint16_t fid : products.families()) {
    ProductList family = std::move(lists[fid]);
    family.otherBlocks = products.otherBlocks;
    output.write(familyFileName(imagePath, fid),
                 imgContent(image.directory().description,
                            familyPieces(image, tilesOf[fid], extrasOf[fid], family)));
  }
  return output.complete();
}

}  // namespace

bool splitFamilies(const GmtCommand& command, ToolReport& report) {
  ImgFile image = openImage(command.image, report);
  if (image.problem() != ImgFileProblem::None) return false;
  const ProductList products = readImageProducts(image);
  const std::vector<ImageTile> tiles = readImageTiles(image, &report);
  if (!productListUsable(command.image, products, tiles, report)) return false;
  OutputFiles output(command.folder, report, command.image);
  if (!output.prepareFolder()) return false;
  if (products.families().empty()) {
    output.write(familyFileName(command.image, 0),
                 imgContent(image.directory().description, everyPiece(image)));
    return output.complete();
  }
  return writeFamilies(image, command.image, products, tiles, output);
}

}  // namespace mapsetdesk::builtin
