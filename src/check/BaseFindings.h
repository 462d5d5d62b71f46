#pragma once
// Registrations below a registry base that the Wow64 setting does not use:
// the other base, or the doubled "Wow6432Node\Wow6432Node" that installers
// leave under WOW64 emulation. MapSource and BaseCamp do not see them.
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "check/Finding.h"
#include "platform/Registry.h"

namespace mapsetdesk {

// The bases the setting does not use, for the base in use.
std::vector<std::string> unusedRegistryBases(const std::string& base);

// A family key or Products key below one of the unused bases is a finding
// whose repair moves it to the same place below the base in use. A key that
// is there already is left alone: under WOW64 the two bases can name the
// same keys, and an existing key is never overwritten. A mapset whose FID
// and PID a listed mapset of the base in use has is a second finding, right
// after it: once moved it gets a free FID in the same run, so that no later
// run finds the pair.
void checkUnusedBases(Registry& registry, const std::string& base,
                      const std::vector<std::string>& unusedBases,
                      const RegistryCatalogue& listed, const GmapCatalogue& packages,
                      Findings& findings);

}  // namespace mapsetdesk
