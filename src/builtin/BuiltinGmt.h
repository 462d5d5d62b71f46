#pragma once
// gmt.exe's work, built in. The arguments are those that follow the program
// on its command line (the command line is split by the Windows rules first):
//   -S -f FID,PID -m NAME -n MAPNAME -o DIR -c CODEPAGE -@ LIST   tiles -> TDB + overview source
//   -g -o DIR FILE                                                every subfile of an IMG
//   -G -o DIR FILE                                                one IMG per family
//   -S -o DIR FILE                                                one tile file per tile (+ mapset files)
#include <string>
#include <vector>

#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

// True when it wrote at least one output file.
bool runGmt(const std::vector<std::string>& arguments, ToolReport& report);

}  // namespace mapsetdesk::builtin
