#pragma once
// Texts for a file given for installation that cannot be taken: a device
// image or a map tile that is missing, a folder, empty or no IMG file. Each
// is followed by the path of the file.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

enum class InputFault { Missing, NotAFile, Empty, NotImg };

std::string deviceImageFaultText(Sprache sprache, InputFault fault);
std::string tileFaultText(Sprache sprache, InputFault fault);

}  // namespace mapsetdesk
