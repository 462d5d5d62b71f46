#pragma once
// Opening the IMG file a built-in tool works on, with the report line that
// says whether it could.
#include <string>

#include "builtin/ToolReport.h"
#include "formats/ImgFile.h"

namespace mapsetdesk::builtin {

// The file, open; check problem() before use (already reported).
ImgFile openImage(const std::string& path, ToolReport& report);

}  // namespace mapsetdesk::builtin
