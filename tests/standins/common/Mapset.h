#pragma once
// The files that describe a mapset beside its tiles: the TDB index, the
// overview map's source text (Polish format, for cgpsmapper), the MDX index,
// and the batch and registry files gmt leaves beside them.
#include <cstdint>
#include <string>
#include <vector>

#include "common/Tiles.h"

namespace mapsetdesk::standin {

struct Mapset {
  std::uint16_t fid = 0;
  std::uint16_t pid = 1;
  std::string name;        // the series name, Windows-1252
  std::string familyName;  // Windows-1252
  std::uint16_t codePage = 1252;
  std::vector<Tile> tiles;

  // The overview's map number: one below the lowest tile number (one above
  // the highest when that is 0).
  std::uint32_t overviewNumber() const;
  Bounds bounds() const;
};

// Version 4.07 with header, copyright, text, overview and tile blocks, and a
// checksum block holding the CRC-32 of everything before it.
std::string writeTdb(const Mapset& mapset);

// The overview source: one area per tile and the preview area over all,
// which carries the label line "Label=GMapTool Preview" (unless
// withPreviewLabel is false) and the type line "Type=0x0b00". CR LF lines.
std::string writeOverviewSource(const Mapset& mapset, bool withPreviewLabel);

std::string writeMdx(const Mapset& mapset);

// What gmt writes for installing the mapset by hand.
std::string writeInstallBatch(const std::string& mapname);
std::string writeUninstallBatch(const std::string& mapname);
std::string writeRegistryFile(const Mapset& mapset, const std::string& mapname);

}  // namespace mapsetdesk::standin
