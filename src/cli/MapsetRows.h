#pragma once
// The list rows of one mapset that a command has just registered or packaged.
#include <string>

#include "cli/Commands.h"
#include "cli/HeadlessProgram.h"
#include "install/ExistingTdb.h"

namespace mapsetdesk::cli {

// The registry row of the mapset's family and product key, and the row of
// the package at packageFolder when that is not empty.
void printExistingMapsetRows(Context& context, const ExistingMapset& mapset,
                             const std::string& packageFolder);

}  // namespace mapsetdesk::cli

namespace mapsetdesk::cli {

// Where the window's package button puts the package of the mapset named so.
std::string existingPackageFolder(HeadlessProgram& program, const std::string& mapsetName);

}  // namespace mapsetdesk::cli
