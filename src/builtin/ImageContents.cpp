#include "builtin/ImageContents.h"

#include "formats/TreHeader.h"
#include "formats/TypHeader.h"

namespace mapsetdesk::builtin {

std::vector<ImageTile> readImageTiles(ImgFile& image) {
  std::vector<ImageTile> tiles;
  const ImgDirectory& directory = image.directory();
  for (const ImgEntry& tre : directory.entries) {
    if (tre.type != "TRE") continue;
    const auto start = image.readStart(tre, kTreFactsBytes);
    const auto facts = start ? readTreFacts(*start, tre.name) : std::nullopt;
    if (!facts) continue;
    ImageTile found{{facts->mapNumber, facts->bounds, directory.description, {}}, {}};
    for (const ImgEntry& entry : directory.entries) {
      if (entry.name != tre.name) continue;
      found.entries.push_back(entry);
      found.tile.subfiles.push_back({entry.fileName(), entry.size});
    }
    tiles.push_back(std::move(found));
  }
  return tiles;
}

ProductList readImageProducts(ImgFile& image) {
  for (const ImgEntry& entry : image.directory().entries) {
    if (entry.type != "MPS") continue;
    const auto bytes = image.readStart(entry, entry.size);
    return bytes ? readProductList(*bytes) : ProductList{};
  }
  return {};
}

std::optional<std::uint16_t> readImageTypFid(ImgFile& image, const ImgEntry& typ) {
  const auto start = image.readStart(typ, kTypFidOffset + 2);
  return start ? readTypFid(*start) : std::nullopt;
}

}  // namespace mapsetdesk::builtin
