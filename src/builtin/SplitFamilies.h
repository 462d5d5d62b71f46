#pragma once
// Split by family: one IMG file per family of a device image's product list,
// DIR\ + image base name + "_" + FID as four or more digits + ".img",
// holding the family's tiles, its TYP files, its search index and its
// product list. An image without a product list is copied whole as the
// file of family 0. Subfile by subfile, in chunks.
#include "builtin/GmtArguments.h"
#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

// True when it wrote every file it should.
bool splitFamilies(const GmtCommand& command, ToolReport& report);

}  // namespace mapsetdesk::builtin
