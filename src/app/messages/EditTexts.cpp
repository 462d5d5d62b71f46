#include "app/messages/EditTexts.h"

namespace mapsetdesk {

EditTexts editTexts(Sprache sprache) {
  if (sprache == Sprache::English)
    return {"The change could not be completed; everything was put back as it was. This file "
            "could not be written: ",
            "The TYP file is missing, damaged or no TYP file at all. Nothing was changed: ",
            "Another mapset is already registered under this family key. Nothing was changed: ",
            "The TDB file is missing or damaged. Nothing was changed: "};
  return {"Die Änderung konnte nicht abgeschlossen werden; alles wurde zurückgesetzt. Diese "
          "Datei konnte nicht geschrieben werden: ",
          "Das Typfile fehlt, ist beschädigt oder ist gar kein Typfile. Es wurde nichts geändert: ",
          "Unter diesem Familienschlüssel ist bereits ein anderes Mapset eingetragen. Es wurde "
          "nichts geändert: ",
          "Das TDB-File fehlt oder ist beschädigt. Es wurde nichts geändert: "};
}

}  // namespace mapsetdesk
