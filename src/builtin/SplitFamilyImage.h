#pragma once
// Split a family image: one tile file per tile (eight-digit name + ".img"),
// the TYP files, and when the image's product list names exactly one
// family, that family's mapset.tdb, mapset.mp and mapset.mdx. Subfile by
// subfile, in chunks.
#include "builtin/GmtArguments.h"
#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

// True when it wrote every file it should.
bool splitFamilyImage(const GmtCommand& command, ToolReport& report);

}  // namespace mapsetdesk::builtin
