#pragma once
// Writes the TDB of a mapset: version 4.07 with header, copyright, text,
// overview and tile blocks, and a checksum block holding the CRC-32 of
// everything before it, as MapSource and BaseCamp read it. Names longer
// than the header holds are cut.
#include <optional>
#include <string>

#include "formats/Mapset.h"

namespace mapsetdesk {

// nullopt when the mapset does not fit a TDB (a tile of so many subfiles that
// its block passes 64 KB): what is returned has been read back by the
// program's own readers as the mapset.
std::optional<std::string> writeTdb(const Mapset& mapset);

}  // namespace mapsetdesk
