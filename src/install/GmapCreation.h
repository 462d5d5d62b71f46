#pragma once
// `gmaperzeugen`: a new installation becomes a gmap package below the all
// users' GARMIN\Maps: Info.xml, Product1 with one folder of subfiles per
// tile, the TDB moved in, the overview unpacked into Product1\mapset, the
// index in the package root when gmt.exe wrote one.
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/messages/MessageCatalogue.h"
#include "install/InstallationView.h"

namespace mapsetdesk {

struct GmapJob {
  std::string mapsetName;    // also the package folder's name
  std::string fidText;
  std::string mapname;
  std::string outputFolder;  // where gmt.exe left Mapname.tdb, .img, .mp and .mdx
  std::vector<std::string> tiles;
};

enum class GmapOutcome {
  Complete,
  OverviewKept,   // the overview's subfiles did not appear: its IMG and source stay
  InfoXmlFailed,  // Info.xml could not be written whole
};

struct GmapResult {
  GmapOutcome outcome = GmapOutcome::Complete;
  std::string packageFolder;
};

// The all users' GARMIN\Maps folder + the name as a file name + ".gmap".
std::string newPackageFolder(SystemFacts& facts, const std::string& mapsetName);

GmapResult gmaperzeugen(Services& services, const MessageCatalogue& texts, InstallationView& view,
                        const GmapJob& job);

}  // namespace mapsetdesk
