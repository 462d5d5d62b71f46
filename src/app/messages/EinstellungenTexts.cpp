#include "app/messages/EinstellungenTexts.h"

namespace mapsetdesk {

EinstellungenTexts einstellungenTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {"OS 32 bit or 64 bit ?",
            "click on the line to change the setting. It is used at the next start of ZORVAN.",
            "operatingsystem is 64 bit", "operatingsystem is 32 bit",
            "is a 64 bit operatingsystem in use ? 'yes' for 64 bit, 'no' for 32 bit",
            "Tools for TDB, preview and registry rights:",
            "automatic: gmt, cgpsmapper and SetACL where present, else built-in",
            "only gmt, cgpsmapper and SetACL from the program folder",
            "always the built-in tools", "mapsetdesk version",
            "Change history (HistoryDays, HistoryMB): ", " days, at most "};
  }
  return {"Betriebssystem 32 bit oder 64 bit ?",
          "Click auf die Zeile aendert die Einstellung. Sie wird beim naechsten Start von "
          "ZORVAN wirksam.",
          "Betriebssystem arbeitet mit 64 bit", "Betriebssystem arbeitet mit 32 bit",
          "Wird dieser PC mit 64 bit Betriebssystem betrieben ? 'ja' für 64 bit, 'nein' für 32 "
          "bit",
          "Werkzeuge für TDB, Übersichtskarte und Registry-Rechte:",
          "automatisch: gmt, cgpsmapper und SetACL wenn vorhanden, sonst eingebaut",
          "nur gmt, cgpsmapper und SetACL aus dem Programmordner",
          "immer die eingebauten Werkzeuge", "mapsetdesk Version",
          "Verlauf (HistoryDays, HistoryMB): ", " Tage, höchstens "};
}

}  // namespace mapsetdesk
