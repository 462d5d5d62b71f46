#pragma once
// The checks of a new mapset's name and family ID against what is installed.
// The name becomes the base of file names, a command-line argument and a
// package folder name, so it keeps ASCII characters only and none that a
// file name cannot hold.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"

namespace mapsetdesk {

struct NameCut {
  std::string name;
  bool cut = false;  // a character above 127 or one of \ / : * ? " < > | ended it
};

// The name up to its first character that no file name may hold.
NameCut cutAtForbiddenCharacter(const std::string& name);

// How many registered mapsets bear the name (compared as it stands).
int registeredNameCount(const std::string& name, const RegistryCatalogue& catalogue);

// The FID a text stands for; none when it is not a whole number from 0 to 65535.
std::optional<std::uint16_t> fidFromText(const std::string& text);

enum class FidClash {
  None,
  Registered,  // a registered mapset has it: the installation may not go on
  Package,     // a gmap package has it: a warning only
};

FidClash fidClash(const std::string& fidText, const RegistryCatalogue& catalogue,
                  const GmapCatalogue& packages);

}  // namespace mapsetdesk
