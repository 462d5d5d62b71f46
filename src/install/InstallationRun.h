#pragma once
// The installation run of a finished tile selection: folder rights, the TDB
// and overview made by the outside programs, then, as the person answers,
// a gmap package or a registration below Families. The main window and the
// command-line front end run the same run, each with its own view.
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "install/InstallClashes.h"
#include "install/InstallationView.h"

namespace mapsetdesk {

struct NewInstallation {
  std::vector<std::string> tiles;  // in the order chosen
  std::string pfad;                // the folder of the selection, ending with a separator
  std::string outputFolder;        // the folder shown as tile folder
  std::string mapsetName;
  std::string fidText;
};

enum class InstallOutcome {
  Refused,             // the name or the FID cannot be used, or they would take over an
                       // installed mapset's files or key; nothing was written
  ToolsMissing,        // no compiler; nothing was written
  NoTdb,               // gmt.exe left no TDB in the tile folder
  NoOverview,          // no overview map; the person gave up
  Registered,
  RegistrationFailed,  // a registry value did not read back
  Packaged,
  PackageIncomplete,   // the package lacks its overview or a whole Info.xml
};

struct InstallResult {
  InstallOutcome outcome = InstallOutcome::Refused;
  std::string mapname;
  std::string packageFolder;  // set for the package outcomes
};

// installed: the catalogue as it stands now, against which the name, the FID
// and everything the run would create are checked before anything is written.
InstallResult runNewInstallation(Services& services, Session& session, InstallationView& view,
                                 const NewInstallation& job, const InstalledMapsets& installed);

// The same run without its checks and without the change history around it,
// to measure what the history costs; a user's installation never runs so.
InstallResult installWithoutHistory(Services& services, Session& session, InstallationView& view,
                                    const NewInstallation& job);

}  // namespace mapsetdesk
