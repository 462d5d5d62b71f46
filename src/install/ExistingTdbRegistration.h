#pragma once
// The registration of an existing mapset for MapSource: a family key named
// from the TDB's name area and the FID, and one product key. The older
// Products layout is never written here.
#include <string>

#include "install/ExistingTdb.h"
#include "platform/Registry.h"

namespace mapsetdesk {

// The family key's name: the first 12 bytes of the name area, blanks and
// zero bytes as "_", then the FID in decimal.
std::string existingFamilyKeyName(const ExistingMapset& mapset);

// Writes the family key (TYP copy, index, MDR, ID, traffic file) and the
// product key (tile folder, overview, TDB) below base. Optional files that do
// not exist are not registered; typCopy is empty when there is none.
void registerExistingMapset(Registry& registry, const std::string& base,
                            const ExistingMapset& mapset, const std::string& typCopy);

}  // namespace mapsetdesk
