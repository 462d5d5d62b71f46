#pragma once
// The TDB and the overview map of a new installation, made by the outside
// programs: gmt.exe writes the TDB and the overview source, which is patched;
// cgpsmapper compiles the source; when no overview appears and Java is
// there, mkgmap may compile it instead, as often as the person asks.
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "install/InstallationView.h"

namespace mapsetdesk {

struct OverviewJob {
  std::vector<std::string> tiles;
  std::string mapsetName;
  std::string fidText;
  std::string mapname;
  std::string outputFolder;  // where gmt.exe and the compilers write
};

// cgpsmapper and its companion file; false after telling the person which
// one is missing.
bool compilerPresent(Services& services, const MessageCatalogue& texts);

// gmt.exe over the tiles, then the patch of the overview source.
void runGmtStep(Services& services, const MessageCatalogue& texts, InstallationView& view,
                const OverviewJob& job);

// Compiles the overview; true when output folder\Mapname.img exists at the end.
bool compileOverview(Services& services, const MessageCatalogue& texts, InstallationView& view,
                     const OverviewJob& job);

}  // namespace mapsetdesk
