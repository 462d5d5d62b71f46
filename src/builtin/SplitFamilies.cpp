#include "builtin/SplitFamilies.h"

#include <cstdio>

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

// A subfile that is no tile goes with the family when it is one of the
// family's TYP files or the search index named after the family.
bool belongsToFamily(ImgFile& image, const ImgEntry& entry, std::uint16_t fid) {
  if (entry.type == "TYP") return readImageTypFid(image, entry) == fid;
  return entry.type != "MPS" && entry.name == tileName(fid);
}

std::vector<ImgPiece> familyPieces(ImgFile& image, const std::vector<ImageTile>& tiles,
                                   const ProductList& family, std::uint16_t fid) {
  std::vector<ImgPiece> pieces;
  for (const ImageTile& tile : tiles)
    if (family.mapOf(tile.tile.mapNumber))
      for (const ImgEntry& entry : tile.entries) pieces.push_back(copiedPiece(image, entry));
  for (const ImgEntry& entry : image.directory().entries)
    if (belongsToFamily(image, entry, fid)) pieces.push_back(copiedPiece(image, entry));
  pieces.push_back(madePiece(kProductListName, "MPS", writeProductList(family)));
  return pieces;
}

std::vector<ImgPiece> everyPiece(ImgFile& image) {
  std::vector<ImgPiece> pieces;
  for (const ImgEntry& entry : image.directory().entries)
    pieces.push_back(copiedPiece(image, entry));
  return pieces;
}

}  // namespace

bool splitFamilies(const GmtCommand& command, ToolReport& report) {
  ImgFile image = openImage(command.image, report);
  if (image.problem() != ImgFileProblem::None) return false;
  OutputFiles output(command.folder, report);
  if (!output.prepareFolder()) return false;
  const std::string& description = image.directory().description;
  const ProductList products = readImageProducts(image);
  if (products.families().empty()) {
    output.write(familyFileName(command.image, 0), imgContent(description, everyPiece(image)));
    return output.written() > 0;
  }
  const std::vector<ImageTile> tiles = readImageTiles(image);
  for (const std::uint16_t fid : products.families()) {
    const ProductList family = products.only(fid);
    output.write(familyFileName(command.image, fid),
                 imgContent(description, familyPieces(image, tiles, family, fid)));
  }
  return output.written() > 0;
}

}  // namespace mapsetdesk::builtin
