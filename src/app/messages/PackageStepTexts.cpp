#include "app/messages/PackageStepTexts.h"

namespace mapsetdesk {

PackageStepTexts packageStepTexts(Sprache sprache) {
  if (sprache == Sprache::English)
    return {
        "A gmap-mapset of this name exists already. Nothing was changed. Remove it first or "
        "choose another name : ",
        "The tdb-file cannot be read or is damaged. Nothing was changed : ",
        "The preview-file cannot be read or is no img-file. Nothing was changed : ",
        "A map tile named in the tdb-file cannot be read or is no img-file. Nothing was "
        "changed : ",
        "The folder of the gmap-mapset could not be created : ",
        "The file could not be copied into the gmap-mapset : ",
        "The file could not be unpacked into the gmap-mapset : ",
        "\r\nThe gmap-mapset was not completed; what was created of it has been removed.",
    };
  return {
      "Ein gmap-Mapset dieses Namens existiert schon. Es wurde nichts geändert. Entfernen Sie "
      "es zuerst oder wählen Sie einen anderen Namen : ",
      "Das TDB-File kann nicht gelesen werden oder ist beschädigt. Es wurde nichts geändert : ",
      "Das Previewfile kann nicht gelesen werden oder ist kein img-File. Es wurde nichts "
      "geändert : ",
      "Eine im TDB-File verzeichnete Kachel kann nicht gelesen werden oder ist kein img-File. "
      "Es wurde nichts geändert : ",
      "Der Ordner des gmap-Mapsets konnte nicht angelegt werden : ",
      "Die Datei konnte nicht in das gmap-Mapset kopiert werden : ",
      "Die Datei konnte nicht in das gmap-Mapset entpackt werden : ",
      "\r\nDas gmap-Mapset wurde nicht fertiggestellt; was davon angelegt war, ist wieder "
      "entfernt.",
  };
}

}  // namespace mapsetdesk
