#pragma once
// The files a registration names, read from whichever root holds it: the
// family key's traffic, MDR, index and TYP files and the product key's TDB
// and overview, in the order the export's log lists them. The older Products
// layout names only the TDB and the overview.
#include <string>
#include <vector>

#include "catalogue/Registration.h"
#include "install/ExistingTdb.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct RegistrationFile {
  std::string valueName;  // TRF, MDR, IDX, TYP, TDB or BMAP
  std::string path;       // the value, blanks at both ends removed; empty when not set
};

// TRF, MDR, IDX, TYP, TDB, BMAP, each read once; empty values stay in the list.
std::vector<RegistrationFile> registrationFiles(Registry& registry, const std::string& base,
                                                const CatalogueEntry& entry);

// The mapset as the window for an existing TDB would hold it: the paths of
// the registration, the name and the IDs that the listing read from its TDB.
ExistingMapset registeredMapset(Registry& registry, const std::string& base,
                                const CatalogueEntry& entry);

}  // namespace mapsetdesk
