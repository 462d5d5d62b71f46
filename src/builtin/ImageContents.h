#pragma once
// What an IMG file holds, read from its directory and the few subfile bytes
// that tell: its map tiles (a tile is the group of subfiles that share the
// name of a TRE subfile), its product list and the family of a TYP file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "builtin/ToolReport.h"
#include "formats/ImgFile.h"
#include "formats/Mapset.h"
#include "formats/ProductList.h"

namespace mapsetdesk::builtin {

struct ImageTile {
  MapTile tile;                   // described by the image's header
  std::vector<ImgEntry> entries;  // its subfiles, in directory order
};

// In the order of their TRE subfiles; a TRE subfile without a readable TRE
// header makes no tile. An image may hold tens of thousands of tiles: the
// report, when given, lets the windows paint now and then.
std::vector<ImageTile> readImageTiles(ImgFile& image, ToolReport* report = nullptr);

// The list of the image's MPS subfile; empty when it has none, damaged when
// it cannot be read.
ProductList readImageProducts(ImgFile& image);

// The map numbers of the tiles the product list does not name, in tile order.
std::vector<std::uint32_t> tilesWithoutFamily(const std::vector<ImageTile>& tiles,
                                              const ProductList& products);

// The FID in the header of a TYP subfile.
std::optional<std::uint16_t> readImageTypFid(ImgFile& image, const ImgEntry& typ);

// Whether the image can be split by its product list without losing a tile:
// false (and each reason reported against path) when the list is damaged or
// leaves tiles without a family. An image without a list is usable whole.
bool productListUsable(const std::string& path, const ProductList& products,
                       const std::vector<ImageTile>& tiles, ToolReport& report);

}  // namespace mapsetdesk::builtin
