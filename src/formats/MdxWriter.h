#pragma once
// Writes the MDX index of a mapset: one record per tile with its map number,
// product and family, in tile order (readers: formats/MdxIndex.h).
#include <string>

#include "formats/Mapset.h"

namespace mapsetdesk {

std::string writeMdx(const Mapset& mapset);

}  // namespace mapsetdesk
