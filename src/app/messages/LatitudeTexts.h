#pragma once
// The texts of the latitude window `fLatitude`, which keeps its own texts
// beside the main window's catalogue.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct LatitudeTexts {
  std::string caption;  // the window's title
  std::string cmdShow;
  std::string cmdSet;
  std::string labelLatitude;  // caption of the latitude field
  std::string description;    // what the setting does, and for which map
  std::string outOfRange;
  std::string askAutomatic;  // asked when the latitude field is empty
  std::string wrongPid;
  std::string wrongFid;
  std::string nothingStored;  // the field's text when the map has no setting
  std::string notStored;      // the registry did not keep the value
};

LatitudeTexts latitudeTexts(Sprache sprache);

}  // namespace mapsetdesk
