#include "app/messages/CatalogueTexts.h"
#include "app/messages/Website.h"

namespace mapsetdesk {
namespace {

TextTable germanMessages() {
  const std::string helpPage(kProductHelpPage);
  return {
      // Removal and the catalogue lists.
      {"Tip1", "'Doppelclick' entfernt Mapset aus 'Mapsouce'"},
      {"Satz20", "Das Mapset wurde aus 'MapSource' entfernt."},
      {"Satz21", "Den Kartensatz wirklich aus Mapsource entfernen ?"},
      {"Satz29", "Die eingebundenen Mapsets werden gelesen. bitte warten..."},
      {"Satz30", "In 'MapSource' sind keine Mapsets eingebunden."},
      {"Satz55", "Doppelclick auf ein Mapset entfernt es aus 'MapSource'."},
      {"satz56", "Karten im 'gmp'-Format :"},
      {"satz57", "keine Karten im 'gmp'-Format vorhanden."},
      {"satz58", "Doppelclick auf ein gmap-Mapset entfernt es."},
      {"satz59", "Das gmap-Mapset wurde entfernt."},
      {"satz60", "Ordner der gmap-Kartensets : "},
      {"Satz72", " Doppelclick zum loeschen"},
      {"Fehler20", "Das tdb-File des Mapsets fehlt : "},
      {"Fehler22", "Das Übersichtsfile des Mapsets fehlt : "},
      {"Fehler25",
       "In folgendem Registryschlüssel fehlt der Eintrag zum Wert 'TDB=' . Sie müssen diesen "
       "Eintrag vornehmen oder den Schlüssel komplett loeschen. : "},
      {"Fehler26",
       "Zugriff verweigert. Schließen Sie 'MapSource' und 'BaseCamp' und versuchen Sie es "
       "erneut."},
      {"Fehler32",
       " hat die gleiche ID-Nummer wie ein anderes Mapset. MapSource wird nur eine der beiden "
       "Karten anzeigen. Ändern Sie die ID-Nummer oder löschen Sie eines der Mapsets."},

      // Tile selection and the new mapset's name and FID.
      {"Tip2", "Einfachauswahl mit Doppelclick. Mehrfachauswahl mit 'Drag & Drop'"},
      {"Satz27",
       "Das ausgewählte img-file befindet sich im selben Ordner wie das ZORVAN-Programm. Das "
       "ist nicht zulässig. Verschieben Sie das img-file in einen anderen Ordner und waehlen "
       "Sie neu aus."},
      {"Satzumlaut", "Filenamen dürfen keine Umlaute enthalten. Benutzen Sie A-->Z, a-->z, 0-->9"},
      {"Fehler2", "Diese ID-Nr. ist schon vergeben."},
      {"Fehler5",
       "Bitte aendern Sie wenigstens 1 Buchstaben der ersten 8 Zeichen des eingegebenen Names. "
       "Es besteht Verwechslungsgefahr."},
      {"Fehler12", "Datei schon vorhanden."},
      {"Fehler18", "Geben Sie einen Namen für das Mapset ein."},
      {"Fehler19", "Die FID muss eine ganze Zahl von 1 bis 65535 sein, nur aus Ziffern."},
      {"Fehler23",
       "Sie versuchen File(s) einzubinden, deren Name nicht aus acht Ziffern besteht.z.B.:"
       "'12345678.img' oder auf ..'gmapsupp.img' endet."},
      {"Fehler24", "Der Ordner kann nicht geöffnet werden : "},
      {"Fehler28", "Kein File ausgewaehlt."},
      {"Fehler37",
       "Im Pfad der gmapsupp.img sind Punkte in Ordnernamen enthalten. Das ist nicht "
       "zulässig. Verschieben sie die gmapsupp.img in einen Ordner, dessen Pfad keine Punkte "
       "enthaelt."},

      // Installation: outside programs, overview map, registration, packages.
      {"Text1", "Einbindung gestartet. bitte warten..."},
      {"Text2", "Die Einbindung ist erfolgt. Starten Sie 'MapSource' neu."},
      {"Satz43",
       "Soll die Karte als gmap-Installation erzeugt werden, gmap-Installationen laufen auch "
       "auf MAC-PC. Dies ist die Vorzugsvariante. ? Bei 'nein wird eine Installation mit "
       "Registryeintrag erzeugt."},
      {"Satz61", "Es wurden "},
      {"Satz62", " Files verarbeitet. Die Erzeugung des Kartensatzes ist abgeschlossen."},
      {"Satz63", "Das Mapset wurde als gmap-Installation erzeugt im Ordner "},
      {"Satz64",
       "cgpsmapper konnte das Übersichtsfile nicht erzeugen, die Zugriffsrechte dieses PC "
       "haben es verhindert. Schließen Sie 'MapSource' und 'BaseCamp' oder starten Sie zorvan "
       "als Admin und versuchen Sie es erneut. "},
      {"Satz65",
       "Sie können das Übersichtsfile auch selbst erzeugen: ziehen Sie das .mp-File aus dem "
       "Ordner Ihrer Kartenkacheln auf die Datei Version97c\\cgpsmapper.exe im Ordner "
       "ZORVAN. "},
      {"Satz78",
       "Binden Sie das Mapset danach erneut ein mit der Option 'Tdb + preview schon "
       "vorhanden ?'. Weitere Hilfe : " +
           helpPage},
      {"Satz73", "bearbeite File "},
      {"Satz74", " Files verarbeitet. Bearbeite "},
      {"Fehler8", "Einbindung ist fertiggestellt. Starten Sie 'MapSource' neu."},
      // One message although the flows quote it in three pieces.
      {"Fehler9",
       "Es konnte von cgpsmapper kein Übersichtsfile erzeugt werden. Die Einbindung in "
       "'MapSource' war nicht möglich. Ursache kann sein,"
       "dass Mapsoure oder Basecamp geöffnet ist, oder zorvan nicht als admin gestartet "
       "wurde.  Auf diesem PC ist Java installiert, Sie können"
       " das Übersichtsfile mit Java erzeugen. Click 'yes' um das zu versuchen oder 'no' um "
       "abzubrechen und weitere Infos zu erhalten."},
      {"FehlerCpreview",
       "Das Übersichtsfile wurde nicht erzeugt. Sehen Sie sich die Ausgabe von cgpsmapper im "
       "Toolfenster an."},
      {"Fehler13",
       "Die Datei cgpsmapper.exe ist nicht im Unterordner \\Version97c vorhanden. "
       "Installieren Sie zorvan neu."},
      {"Fehler33",
       "Die Datei sendg.dll ist im Ordner von cgpsmapper.exe nicht enthalten. Stellen Sie eine "
       "Kopie von sendg.dll mit in den Ordner "},
      {"Fehler35",
       "Auf diesem PC ist kein Java installiert, deshalb kann das Übersichtsfile nicht mit "
       "mkgmap erzeugt werden. Java gibt es unter https://www.java.com"},
      {"Fehler40", "mkgmap.jar ist nicht im Ordner ZORVAN enthalten. Installieren Sie zorvan neu."},
      {"Fehler41",
       "Es konnte leider kein TDB-File erzeugt werden. Prüfen sie die Kacheln auf "
       "Fehlerfreiheit."},
      {"Fehler42", "gmt.exe ist nicht im Ordner ZORVAN enthalten. Installieren Sie zorvan neu."},
      {"Fehler43", "Die Datei Info.xml des gmap-Mapsets kann nicht geschrieben werden : "},
      {"Fehler29",
       "ZORVAN konnte keine Registryeinträge schreiben, weil die Sicherheitseinstellungen des "
       "PC dies verhindern. Sie sollten die Karte als gmap-Installation erzeugen statt "
       "Registry-Installation, da werden keine admin-Rechte gebraucht. Oder Starten Sie zorvan "
       "neu mit Rechtsclick auf die ZORVAN*-exe ==> starten als ==> admin und konfigurieren "
       "Sie die Benutzerkontensteuerung und/oder die Zugriffsrechte für dier Registry so, das "
       "der Vollzugriff für ZORVAN erlaubt wird."},

      // Device images.
      {"Satz66",
       "der Ordner 'SplittMaps' existiert schon. Falls sie fortfahren, wird dieser "
       "überschrieben.Trotzdem fortfahren ?"},
      {"Satz67",
       "Soll das Mapset seine eigene FID behalten ? 'ja' behält die FID aus seinem tdb-File, "
       "die aber schon ein anderes eingebundenes Mapset benutzen kann. 'nein' gibt dem Mapset "
       "eine freie FID, dann wird es von 'MapSource' sicher angezeigt."},
      {"Fehler36",
       "Es konnte kein tdb-File aus der gmapsupp erzeugt werden. Die automatische Integration "
       "in MapSource war nicht möglich. Möglicherweise sind aber img-Files erzeugt worden. "
       "ZORVAN wird neu starten. Dann können Sie versuchen, erzeugte img-Files im "
       "Unterordner..\\SplittMaps separat einzubinden."},
      {"Fehler38", "Die Datei gmapsupp.img ist nicht vorhanden : "},
      {"Fehler39",
       "Es konnten nicht alle erforderlichen Dateien aus der gmapsupp.img extrahiert werden. "
       "Probieren Sie eine andere gmapsupp.img."},
      {"Fehler48",
       "Die gmapsupp.img ist beschädigt: ihr Inhaltsverzeichnis oder ihre Kartenliste ist "
       "unbrauchbar. Es wurde nichts eingebunden. Probieren Sie eine andere gmapsupp.img."},
      {"Fehler49",
       "Diese Kartenkacheln der gmapsupp.img gehören zu keinem Mapset ihrer Kartenliste, daher "
       "wurde nichts eingebunden : "},

      // Editing: rename, TYP file, FID, draw priority.
      {"Satz25", "Es wurde eine Sicherheitskopie angelegt und gespeichert unter : "},
      {"Satz49", "Doppelclick auf das Mapset, das umbenannt werden soll."},
      {"Satz50", "Namen uebernehmen"},
      {"Satz53", "neuen Namen eingeben"},
      {"Satz22",
       "Das Typfile wurde geaendert. Starten Sie 'Mapsource' erneut, damit die Aenderungen "
       "wirksam werden."},
      {"Satz26", "Doppelclick auf das Mapset, das das neue Typfile erhalten soll."},
      {"Satz51", "Doppelclick auf das Mapset, dessen FID geändert werden soll."},
      {"Satz48",
       "Hier clicken, dann Doppelclick auf ein Mapset, um seine Kacheln mit ihrer "
       "Drawpriority aufzulisten."},
      {"Satz52", "Doppelclick auf das Mapset, dessen Drawpriority geändert werden soll."},
      {"Fehler15", "Es wurde kein Mapset ausgewählt. Wählen Sie ein Mapset mit Doppelclick."},
      {"Fehler16",
       "Es wurde kein Typfile ausgewaehlt. Ein Vorhandes soll nicht mehr auf das Mapset "
       "angewendet werden."},
      {"Fehler17", "Das Typfile konnte nicht in den Ordner des Mapsets kopiert werden : "},
      {"Fehler27", "Typfile wurde entfernt."},
      {"Fehler30", "Das Typfile ist nicht vorhanden : "},
      {"Fehler60",
       "Es koennen nur Typfiles mit einem Namen aus 8 Zeichen und der Endung '.typ' verwendet "
       "werden, z.B. '12345678.typ'. Benennen Sie diese Typfiles um : "},
      {"Fehler61",
       "Ein Mapset wird nur mit einem Typfile eingebunden, das wie sein tdb-File heisst und "
       "neben seinen Kartenkacheln liegt. Weisen Sie ihm das gewaehlte Typfile danach mit "
       "'Typfile aendern/hinzufuegen' zu. Die Einbindung ohne es fortsetzen ? Gewaehltes "
       "Typfile : "},
      {"Fehler31",
       "Das neue Typfile ist im gleichen Ordner wie das alte gespeichert und hat den gleichen "
       "Namen. Das ist unzulässig. Verschieben Sie das neue Typfile in einen anderen Ordner "
       "und benennen Sie um."},

      // Start-up, settings, export and the BaseCamp tile cache.
      {"Satz28",
       "Sie verfügen nicht über Administratorenrechte. Das kann dazu führen, daß die "
       "erforderlichen Registryeinträge nicht erzeugt werden können und die Einbindung von "
       "Karten in 'Mapsource' scheitert. Sie sollten das Programm neu starten mit "
       "Admin-Rechten. Bei Antwort 'nein' wird die Programmausführung ohne Adminrechte "
       "fortgesetzt. Bei Antwort 'ja' das Programm beendet."},
      {"Satz68", "Betriebssystem arbeitet mit 64 bit"},
      {"Satz69", "Betriebssystem arbeitet mit 32 bit"},
      {"Satz70",
       "Wird dieser PC mit 64 bit Betriebssystem betrieben ? 'ja' für 64 bit, 'nein' für 32 "
       "bit"},
      {"Satz71", "Die neue Einstellung wird beim nächsten Start von ZORVAN wirksam."},
      {"Tooltip3",
       "clicken sie 'export-import' um Kartenset's auf einen weiteren PC zu installieren."},
      {"Satz75", "TileCache BaseCamp leeren : "},
      {"Satz76", " belegt-leeren?"},
      {"Satz77", "BaseCamp-TileCache leeren"},
  };
}

TextTable germanCaptions() {
  return {
      {"CommandKartenentfernen", "Karten anzeigen/entfernen"},
      {"CommandHinzufuegen", "Mapset hinzufuegen"},
      {"Command2", "weiteres Mapset in 'Mapsource' einbinden oder entfernen"},
      {"Command1", " Auswahl ist fertig"},
      {"CommandAllesLoeschen", "zurueck"},
      {"CommandFolder", "Ordner waehlen"},
      {"CommandMapnameAendern", "Mapsetname aendern"},
      {"CommandNameuebernehmen", "Name uebernehmen"},
      {"CommandFilename", "Zeige Kachelnamen+Drawpriority"},
      {"CommandTypeaendern", "Typfile aendern/hinzufuegen"},
      {"Frame2", "Aendere DrawPriority auf "},
      {"CommandButtonPV", "Mapset zu Mapsource hinzufuegen"},
      {"Optiontdbja", "Tdb + preview schon vorhanden ?"},
      {"Optiontdbno", "TDB + Preview nicht vorhanden"},
      {"Label4", "ausgewaehlte Files :"},
      {"Label3", "Name in 'MapSource'"},
      {"Label7", "FID :"},
      {"Label11", "Level / Zoom :"},
      {"Label12", "eine freie FID wird vorgeschlagen, sie kann geaendert werden"},
      {"Frame1", "Name und FID des neuen Mapsets"},
      {"CheckTypfile", "Typfile waehlen"},
      {"LabelTypefile", "Typfile :"},
      {"CommandDoIt", "Typfile anwenden"},
      {"CommandFID", "FID aendern"},
      {"CmdExpImp", "export-import"},
      {"CommandKompa", "BaseCamp-TileCache leeren"},
      {"LabelGMPFolder", "Ordner der gmap-Kartensets und TileCaches"},
      {"Label9", "deutsch"},
      {"MnHilfe", "Hilfe ?"},
      {"Prop", "OS 32 bit or 64 bit ?"},
      {"MnuLatitude", "Optimale Latitude"},
      {"MnuPruefen", "Installation pruefen"},
      {"MnuVerlauf", "Verlauf"},
      {"MnuGeraet", "Zum Geraet senden"},
      {"mnuWebsite", "Website"},
  };
}

TextTable germanToolTips() {
  return {
      {"List1", "Click auf ein File entfernt es aus der Auswahl"},
      {"Dir1", "Ordner der Kartenkacheln"},
      {"CommandFolder", "Ordner der Kartenkacheln waehlen"},
      {"TextBoxMSName", "Name des Mapsets in 'MapSource', keine Umlaute"},
      {"TextBoxID", "Familien-ID (FID) des neuen Mapsets"},
      {"ListMapsetName", "Doppelclick auf ein Mapset startet die gewaehlte Aktion"},
      {"ListMapsetGMP", "Karten im 'gmp'-Format. Doppelclick startet die gewaehlte Aktion"},
      {"FileTypefile", "Typfiles des gewaehlten Ordners"},
      {"CommandFID", "gibt einem Mapset eine neue FID"},
      {"CommandKompa", "loescht die Kacheln im BaseCamp-TileCache"},
      {"LabelGMPFolder",
       "hier clicken, um die Ordner der gmap-Kartensets und TileCaches anzuzeigen"},
      {"Label9", "hier clicken fuer deutsche Texte"},
  };
}

}  // namespace

const CatalogueTexts& germanTexts() {
  static const CatalogueTexts texts{germanMessages(), germanCaptions(), germanToolTips()};
  return texts;
}

}  // namespace mapsetdesk
