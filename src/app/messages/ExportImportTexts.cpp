#include "app/messages/ExportImportTexts.h"

namespace mapsetdesk {

ExportImportTexts exportImportTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {
        "export and import of mapsets",
        "export selected maps ",
        "import maps",
        "as gmap package",
        "download MapSource",
        "It is no mapset selected. Mark one.",
        "Copy the folder ",
        " on a removable disk and hit 'IMPORT'-function on the destination computer,  after you "
        "have inserted the removable disk in the destination computer.",
        " info.xml is damaged",
        "wrong folder",
        "The export stopped: this file of the registration could not be copied: ",
        "The export stopped: the list of files could not be written: ",
        "Navigate to the removable disk that contains the map.",
        "select the importfolder",
        "Select the destination folder in which the map is to be stored",
        "want you install this map for 'all users' ? 'yes' will install for 'all users','no' "
        "only for ",
        "The map was copied, even now the registry entries must bee written. All paths are "
        "shown in the window. Click 'ok' is the action done.",
        "want you install 'Mapsourve version 6.16.3 on this pc? There must be an internet "
        "connection.",
        " is damaged",
        "The folder ",
        " exists already. Replace it?",
        "The import stopped: this name of the file list may not be used as a file name: ",
        "The gmap package is made: ",
        "The shortcut to the map could not be made: ",
        "The marked mapset is no longer installed. The lists were read again.",
        "The export stopped: the registration names no tile folder (value LOC): ",
        "The import stopped: the destination lies inside the folder to import: ",
        ". Choose the folder the export made: the folder of the maptiles with its file 'log', "
        "or the folder of a gmap package, whose name ends with '.gmap'.",
    };
  }
  return {
      "Export und Import von Kartens\xC3\xA4tzen",
      "markierte exportieren",
      "Karten importieren",
      "als gmap-Paket",
      "MapSource herunterladen",
      "Es ist kein Kartensatz zum Exportieren ausgewaehlt. Markieren Sie 1 Kartensart.",
      "Kopieren sie den Ordner ",
      " auf einen auswechselbaren Datentr\xC3\xA4ger und starten sie auf dem Zielcomputer die "
      "Importfunktion, nachdem sie den Wechseldatentr\xC3\xA4ger im Zielcomputer eingelegt "
      "haben.",
      " info.xml ist besch\xC3\xA4" "digt",
      "falscher Ordner",
      "Der Export wurde abgebrochen: diese Datei der Registrierung lie\xC3\x9F sich nicht "
      "kopieren: ",
      "Der Export wurde abgebrochen: die Dateiliste lie\xC3\x9F sich nicht schreiben: ",
      "Navigieren sie auf dem Wechseldatentr\xC3\xA4ger zum Kartenordner, dessen Karte "
      "importiert werden soll.",
      "W\xC3\xA4hlen sie den zu importierenden Kartenordner aus",
      "W\xC3\xA4hlen sie den Zielordner aus, in dem die Karte gespeichert werden soll.",
      "Soll die Karte fuer 'All User' installiert werden? Antworten Sie 'ja' f\xC3\xBCr 'alle "
      "User' und 'nein' nur f\xC3\xBCr user ",
      "Die Karte wurde kopiert, jetzt m\xC3\xBCssen noch die Registryeintr\xC3\xA4ge geschrieben "
      "werden. Im Fenster sind alle Pfade dargestellt. Click auf 'ok' stellt die Aktion fertig.",
      "Soll 'Mapsource Version 6.16.3' auf diesem Computer installiert werden ? Es muss dazu "
      "eine Internetverbindung bestehen.",
      " ist besch\xC3\xA4" "digt",
      "Der Ordner ",
      " ist schon vorhanden. Soll er ersetzt werden?",
      "Der Import wurde abgebrochen: dieser Name der Dateiliste ist kein zul\xC3\xA4ssiger "
      "Dateiname: ",
      "Das gmap-Paket ist erstellt: ",
      "Die Verkn\xC3\xBCpfung zur Karte lie\xC3\x9F sich nicht anlegen: ",
      "Der markierte Kartensatz ist nicht mehr installiert. Die Listen wurden neu eingelesen.",
      "Der Export wurde abgebrochen: die Registrierung nennt keinen Kachelordner (Wert LOC): ",
      "Der Import wurde abgebrochen: der Zielordner liegt im zu importierenden Ordner: ",
      ". W\xC3\xA4hlen sie den Ordner, den der Export angelegt hat: den Ordner der "
      "Kartenkacheln mit seiner Datei 'log' oder den Ordner eines gmap-Pakets, dessen Name auf "
      "'.gmap' endet.",
  };
}

const std::vector<std::string>& downloadSources() {
  static const std::vector<std::string> sources = {
      "https://www8.garmin.com/support/download_details.jsp?id=209",
      "https://www.garmin.com/en-US/software/basecamp/",
      "\\\\Pfad im Netzlaufwerk",
      "https://support.garmin.com/en-US/?faq=MapSource",
  };
  return sources;
}

}  // namespace mapsetdesk
