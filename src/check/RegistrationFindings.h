#pragma once
// The checks of one registered mapset: its files, its tiles, its family
// key's ID, TYP and index, and the layout it is registered in.
#include <cstddef>

#include "catalogue/CatalogueListing.h"
#include "check/Finding.h"
#include "platform/Registry.h"

namespace mapsetdesk {

void checkRegistration(Registry& registry, const RegistryCatalogue& catalogue, std::size_t row,
                       Findings& findings);

}  // namespace mapsetdesk
