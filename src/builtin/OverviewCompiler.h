#pragma once
// cgpsmapper's work for an overview source, built in: the Polish-format
// source FOLDER\NAME.mp becomes the overview map FOLDER\NAME.img.
#include <string>

#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

// True when it wrote the IMG. A source it cannot compile gets report lines
// naming the line numbers, and no IMG is written.
bool compileOverview(const std::string& sourcePath, ToolReport& report);

}  // namespace mapsetdesk::builtin
