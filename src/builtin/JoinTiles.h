#pragma once
// Tiles -> TDB + overview source: DIR\MAPNAME.tdb and DIR\MAPNAME.mp for the
// tiles the list file names, one path a line. Only the directory and the TRE
// header of each tile are read. A tile that cannot be read leaves both
// files unwritten.
#include "builtin/GmtArguments.h"
#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

// True when it wrote at least one file.
bool joinTiles(const GmtCommand& command, ToolReport& report);

}  // namespace mapsetdesk::builtin
