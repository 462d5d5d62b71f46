#pragma once
// Unpack: every subfile of an IMG container as DIR\NAME.EXT, byte for byte,
// a scrambled container unscrambled. Subfile by subfile, in chunks.
#include "builtin/GmtArguments.h"
#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

// True when it wrote every file it should.
bool unpackImage(const GmtCommand& command, ToolReport& report);

}  // namespace mapsetdesk::builtin
