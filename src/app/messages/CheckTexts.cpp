#include "app/messages/CheckTexts.h"

namespace mapsetdesk {
namespace {

CheckTexts english() {
  return {
      "check installation",
      "check again",
      "repair",
      "error",
      "warning",
      "nothing found: every mapset can be shown",
      {"the TDB file is missing", "the TDB file cannot be read", "the TDB checksum is wrong",
       "the overview map is missing", "the tile folder is missing",
       "a tile the TDB names is missing", "the TYP file is missing",
       "the TYP file holds another FID", "the index file is missing",
       "the index file is damaged", "the index file holds another FID",
       "the registry ID differs from the TDB's FID", "the FID is used by another mapset too",
       "the TDB's FID is 0", "registered in the old Products layout",
       "registered below the registry base that is not in use", "Info.xml is missing",
       "Info.xml is damaged", "the TDB file and the tile folder are gone"},
      {"cannot be repaired automatically", "recompute the checksum (backup -BAK)",
       "write the family's FID into the TYP file (backup .bak)",
       "write the family's FID into every index record", "write the TDB's FID into the ID",
       "give the mapset a free FID", "move the registration to the base in use",
       "remove the registration (after a question)"},
      "The TDB file and the tile folder are gone. Remove the registration of ",
      "repaired: ",
      "not repaired: ",
      "kept: ",
  };
}

CheckTexts german() {
  return {
      "Installation pruefen",
      "erneut pruefen",
      "reparieren",
      "Fehler",
      "Warnung",
      "nichts gefunden: jeder Kartensatz kann angezeigt werden",
      {"die TDB-Datei fehlt", "die TDB-Datei ist nicht lesbar",
       "die Pruefsumme der TDB-Datei stimmt nicht", "die Uebersichtskarte fehlt",
       "der Kartenordner fehlt", "eine Kachel, die die TDB nennt, fehlt",
       "die TYP-Datei fehlt", "die TYP-Datei enthaelt eine andere FID",
       "die Index-Datei fehlt", "die Index-Datei ist beschaedigt",
       "die Index-Datei enthaelt eine andere FID",
       "die ID in der Registry weicht von der FID der TDB ab",
       "die FID benutzt auch ein anderer Kartensatz", "die FID der TDB ist 0",
       "im alten Products-Format registriert",
       "unter der nicht benutzten Registry-Basis registriert", "Info.xml fehlt",
       "Info.xml ist beschaedigt", "TDB-Datei und Kartenordner sind nicht mehr da"},
      {"kann nicht automatisch repariert werden",
       "Pruefsumme neu berechnen (Sicherung -BAK)",
       "die FID der Familie in die TYP-Datei schreiben (Sicherung .bak)",
       "die FID der Familie in jeden Index-Eintrag schreiben",
       "die FID der TDB in die ID schreiben", "dem Kartensatz eine freie FID geben",
       "die Registrierung unter die benutzte Basis verschieben",
       "die Registrierung entfernen (nach einer Frage)"},
      "TDB-Datei und Kartenordner sind nicht mehr da. Die Registrierung entfernen von ",
      "repariert: ",
      "nicht repariert: ",
      "belassen: ",
  };
}

}  // namespace

const CheckTexts& checkTexts(Sprache sprache) {
  static const CheckTexts englishTexts = english();
  static const CheckTexts germanTexts = german();
  return sprache == Sprache::English ? englishTexts : germanTexts;
}

}  // namespace mapsetdesk
