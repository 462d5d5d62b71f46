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
       "Info.xml is damaged", "the TDB file and the tile folder are gone",
       "another registry key names the same TDB file",
       "the registry cannot be read here", "the ID in Info.xml differs from the TDB's FID",
       "another family with another FID uses the same TYP file",
       "the drive or mount point of the TDB file and the tile folder is not there"},
      {"cannot be repaired automatically", "recompute the checksum (backup -BAK)",
       "write the family's FID into the TYP file (backup .bak)",
       "write the family's FID into every index record", "write the TDB's FID into the ID",
       "give the mapset a free FID", "move the registration to the base in use",
       "remove the registration (after a question)",
       "remove this key; the files stay with the other key",
       "write the TDB's FID into Info.xml (backup .bak)",
       "give the family its own copy of the TYP file with its FID",
       "write the registry's ID into the TDB (backup -BAK)"},
      "The TDB file and the tile folder are gone. Remove the registration of ",
      "repaired: ",
      "not repaired: ",
      "kept: ",
      "backup: ",
      "keys saved in: ",
      "failed at: ",
      "what the repair had changed is put back",
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
       "Info.xml ist beschaedigt", "TDB-Datei und Kartenordner sind nicht mehr da",
       "ein anderer Registry-Schluessel nennt dieselbe TDB-Datei",
       "die Registry kann hier nicht gelesen werden",
       "die ID in Info.xml weicht von der FID der TDB ab",
       "eine andere Familie mit anderer FID benutzt dieselbe TYP-Datei",
       "Laufwerk oder Einhaengepunkt von TDB-Datei und Kartenordner sind nicht da"},
      {"kann nicht automatisch repariert werden",
       "Pruefsumme neu berechnen (Sicherung -BAK)",
       "die FID der Familie in die TYP-Datei schreiben (Sicherung .bak)",
       "die FID der Familie in jeden Index-Eintrag schreiben",
       "die FID der TDB in die ID schreiben", "dem Kartensatz eine freie FID geben",
       "die Registrierung unter die benutzte Basis verschieben",
       "die Registrierung entfernen (nach einer Frage)",
       "diesen Schluessel entfernen; die Dateien bleiben beim anderen Schluessel",
       "die FID der TDB in Info.xml schreiben (Sicherung .bak)",
       "der Familie eine eigene Kopie der TYP-Datei mit ihrer FID geben",
       "die ID aus der Registry in die TDB schreiben (Sicherung -BAK)"},
      "TDB-Datei und Kartenordner sind nicht mehr da. Die Registrierung entfernen von ",
      "repariert: ",
      "nicht repariert: ",
      "belassen: ",
      "Sicherung: ",
      "Schluessel gesichert in: ",
      "gescheitert an: ",
      "was die Reparatur geaendert hatte, ist zurueckgesetzt",
  };
}

}  // namespace

const CheckTexts& checkTexts(Sprache sprache) {
  static const CheckTexts englishTexts = english();
  static const CheckTexts germanTexts = german();
  return sprache == Sprache::English ? englishTexts : germanTexts;
}

}  // namespace mapsetdesk
