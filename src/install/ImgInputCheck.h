#pragma once
// Whether a file offered as a tile, device image or overview is an IMG file
// the run can take, judged from its directory before anything is written.
#include <optional>
#include <string>

#include "app/messages/InputFileTexts.h"

namespace mapsetdesk {

// Why the file at path is no IMG container that reads whole, or none.
std::optional<InputFault> imgFileFault(const std::string& path);

}  // namespace mapsetdesk
