#include "app/messages/LatitudeTexts.h"

namespace mapsetdesk {

LatitudeTexts latitudeTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {
        "Latitude with minimal distortion",
        "show latitude",
        "set latitude",
        "Latitude with minimal distortion",
        "Put a map latitude, at which the map should be shown minimal distortion. "
        "Values of 80 ° to 5 ° are possible."
        " This setting affects only the map with the below registered FID and PID. For "
        "'gmp'-installations is mostly PID=1 or look inside 'Info.xml'",
        "only 5 to 85 are valid values.",
        "you have not typed in a value. Shall latitude be determined automatically ?",
        "wrong PID",
        "wrong FID",
        "there are no settings for this map",
        "the latitude could not be written to the registry.",
    };
  }
  return {
      "Breitengrad mit minimaler Verzerrung",
      "Breitengrad anzeigen",
      "Breitengrad setzen",
      "Breitengrad mit minimaler Verzerrung",
      "Setzen Sie für eine Karte den Breitengrad, an dem die Karte minimal verzerrt "
      "dargestellt werden soll. Es sind Werte von 80° bis 5° möglich."
      " Diese Einstellung wirkt nur auf die Karte mit der unten eingetragenen FID und PID."
      " bei 'gmp'-Installationen ist fast immer PID=1. PID und FID können im File 'Info.xml' "
      "des Kartensatzes nachgelesen werden. Mit Texteditor zu oeffnen.",
      "Es sind nur Werte von 5 bis 85 Grad möglich.",
      "Sie haben keinen Breitengrad eingegeben, soll die Karte auf 'automatisch' gesetzt werden ?",
      "Falsche PID",
      "Falsche FID",
      "es ist kein Breitengrad für diese Karte festgelegt.",
      "Der Breitengrad konnte nicht in die Registry geschrieben werden.",
  };
}

}  // namespace mapsetdesk
