#pragma once
// What the export, import and convert commands share: the export and import
// window driven headless, its row of the mapset a command names, and the
// list rows of the mapsets whose files lie in one folder.
#include <string>

#include "cli/CatalogueReading.h"
#include "cli/HeadlessProgram.h"
#include "cli/MapsetChoice.h"

namespace mapsetdesk::cli {

// The window opened as CmdExpImp opens it, its lists filled.
ui::ExportImport& openTransferWindow(HeadlessProgram& program);

// Chooses the mapset's row in the window's list of registered mapsets or of
// packages, as a click would; false when the window does not list it.
bool selectMapset(ui::ExportImport& window, const ChosenMapset& mapset);

// The list rows of the registered mapsets whose tile folder is folder and of
// the gmap products whose package folder is folder.
void printRowsIn(Context& context, const std::string& folder);

}  // namespace mapsetdesk::cli
