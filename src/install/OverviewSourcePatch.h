#pragma once
// The overview source gmt.exe writes is patched before it is compiled: the
// preview's label line goes (MapSource would print it across the map) and
// the preview area gets a type that draws as background.
#include <string>

namespace mapsetdesk {

// Every "Label=GMapTool Preview" becomes a single blank, every "Type=0x0b00"
// becomes "Type=0x6300"; every other byte stays as it is.
std::string patchedOverviewSource(std::string bytes);

// Patches the file in place when it exists; false when it exists but could
// not be read or written back.
bool patchOverviewSourceFile(const std::string& path);

}  // namespace mapsetdesk
