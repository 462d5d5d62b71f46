#include "app/messages/DrawPriorityTexts.h"

#include <string>

namespace mapsetdesk {

DrawPriorityTexts drawPriorityTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {"List filenames , maptile-names and drawpriority",
            "change DrawPriority to ",
            "DrawPriority was changed for ",
            " Files",
            "Close Mapsource first",
            "Es ist keine DP eingetragen. Geben Sie eine DP ein.",
            "Type in a drawpriority from 1 to 31.",
            "no TRE header found, left unchanged",
            "The mapset is no longer installed; nothing was changed : "};
  }
  return {"Liste der Filenamen, Kartennamen und Drawpriority",
          "Aendere DrawPriority auf ",
          "Die DrawPriority wurde geaendert an ",
          " Files",
          "Close Mapsource first",
          "Es ist keine DP eingetragen. Geben Sie eine DP ein.",
          "Geben Sie eine Drawpriority von 1 bis 31 ein.",
          "kein TRE-Kopf gefunden, bleibt unverändert",
          "Der Kartensatz ist nicht mehr installiert; nichts wurde geändert : "};
}

std::string drawPriorityChanged(const DrawPriorityTexts& texts, int files) {
  return texts.changedBefore + std::to_string(files) + texts.changedAfter;
}

}  // namespace mapsetdesk
