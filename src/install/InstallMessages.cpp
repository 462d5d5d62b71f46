#include "install/InstallMessages.h"

namespace mapsetdesk {

std::string overviewKeptText(bool german, const std::string& overview) {
  if (german)
    return "Das Übersichtsfile " + overview +
           " konnte nicht in das gmap-Mapset entpackt werden. Es bleibt mit seiner .mp-Datei im "
           "Kartenordner, das gmap-Mapset ist nicht vollständig.";
  return "The preview-file " + overview +
         " could not be unpacked into the gmap-mapset. It stays with its .mp-file in the folder "
         "of the maptiles, the gmap-mapset is not complete.";
}

}  // namespace mapsetdesk
