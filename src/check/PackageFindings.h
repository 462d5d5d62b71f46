#pragma once
// The checks of the gmap packages: every package folder of the map folders
// has a whole Info.xml, and each product its TDB, its unpacked tiles, and an
// index and a TYP file of the family's FID.
#include "catalogue/GmapCatalogue.h"
#include "check/Finding.h"

namespace mapsetdesk {

// Lists the packages as the catalogue does and adds the findings about them.
GmapCatalogue checkPackages(const GmapFolders& folders, Findings& findings);

}  // namespace mapsetdesk
