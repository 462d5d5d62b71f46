#pragma once
// Writes the TDB of a mapset: version 4.07 with header, copyright, text,
// overview and tile blocks, and a checksum block holding the CRC-32 of
// everything before it, as MapSource and BaseCamp read it.
#include <string>

#include "formats/Mapset.h"

namespace mapsetdesk {

std::string writeTdb(const Mapset& mapset);

}  // namespace mapsetdesk
