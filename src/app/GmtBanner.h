#pragma once
// gmt.exe starts its output with its name, version and author line, which
// the tool window does not show.
#include <string>

namespace mapsetdesk {

// The text without any occurrence of the banner line, each taken together
// with the line end right after it; everything else stays as it is.
std::string withoutGmtBanner(std::string text);

}  // namespace mapsetdesk
