#pragma once
// The checks of a new mapset's name and family ID against what is installed.
// The name becomes the base of file names, a command-line argument and a
// package folder name, so it keeps ASCII characters only and none that a
// file name cannot hold.
#include <string>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"

namespace mapsetdesk {

enum class NameFault {
  None,
  Empty,
  NoLetterOrDigit,  // blanks and dots only, or other signs: no file name is left
  AboveAscii,       // a character above 127
  NotInFileNames,   // \ / : * ? " < > | or a control character
};

struct NameCut {
  std::string name;
  NameFault fault = NameFault::None;  // AboveAscii or NotInFileNames ended the name
};

// The name up to its first character that no file name may hold.
NameCut cutAtForbiddenCharacter(const std::string& name);

// The first fault of the name, the characters before the letters.
NameFault mapsetNameFault(const std::string& name);

// How many registered mapsets bear a name that makes the same `Mapname`,
// compared as Windows compares file names (the generated files and the
// family key are named by it).
int registeredNameCount(const std::string& name, const RegistryCatalogue& catalogue);

enum class FidClash {
  None,
  Registered,  // a registered mapset has it: the installation may not go on
  Package,     // a gmap package has it: a warning only
};

FidClash fidClash(const std::string& fidText, const RegistryCatalogue& catalogue,
                  const GmapCatalogue& packages);

}  // namespace mapsetdesk
