#pragma once
// Mapsets that MapSource and BaseCamp cannot tell apart. A mapset is its TDB
// file: two registry keys that name the same TDB are one mapset registered
// twice, and the extra key is a finding whose repair removes that key (the
// files stay with the other). Two different mapsets with the same FID and
// PID, as the catalogue's duplicate warning counts them, show as one: the
// mapset installed first keeps the FID; each one installed later (its TDB is
// newer) is a finding whose repair gives it a free FID. Products of one
// family share their FID by right.
#include <cstddef>
#include <set>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "check/Finding.h"

namespace mapsetdesk {

// The registry rows that are extra keys of a TDB another row names.
std::set<std::size_t> checkRegisteredTwice(const RegistryCatalogue& registry, Findings& findings);

// extraKeys: as checkRegisteredTwice found them; they take no part.
void checkDuplicates(const RegistryCatalogue& registry, const GmapCatalogue& packages,
                     const std::set<std::size_t>& extraKeys, Findings& findings);

}  // namespace mapsetdesk
