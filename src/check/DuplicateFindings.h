#pragma once
// A family ID that two mapsets use (two registrations, two packages, or one
// of each): MapSource and BaseCamp show only one of them. The mapset
// installed first keeps the FID; each one installed later (its TDB is newer)
// is a finding whose repair gives it a free FID. Products of one family
// share their FID by right and are one mapset here.
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "check/Finding.h"

namespace mapsetdesk {

void checkDuplicates(const RegistryCatalogue& registry, const GmapCatalogue& packages,
                     Findings& findings);

}  // namespace mapsetdesk
