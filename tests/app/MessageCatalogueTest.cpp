#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/MessageCatalogue.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/Website.h"

namespace mapsetdesk {
namespace {

// The keys every flow may ask for, as the flows name them.
const std::vector<std::string> kExpectedKeys{
    "Tip1",     "Tip2",       "Satz20",         "Satz21",   "Satz22",   "Satz25",   "Satz26",
    "Satz27",   "Satz28",     "Satz29",         "Satz30",   "Satz43",   "Fehler2",  "Fehler5",
    "Fehler8",  "Fehler9",    "Fehler12",       "Fehler13", "Fehler15", "Fehler16", "Fehler17",
    "Fehler18", "Tooltip3",   "Fehler30",       "Fehler31", "Fehler32", "Fehler35", "Fehler36",
    "Satz48",   "Satz49",     "Satz50",         "Satz51",   "Satz52",   "Satz53",   "Satz55",
    "satz56",   "satz57",     "satz58",         "satz59",   "satz60",   "Satz61",   "Satz62",
    "Satz63",   "Satzumlaut", "Satz64",         "Satz65",   "Satz66",   "Satz67",   "Satz68",
    "Satz69",   "Satz70",     "Satz71",         "Satz72",   "Satz73",   "Satz74",   "Satz75",
    "Satz76",   "Satz77",     "Satz78",         "Text1",    "Text2",    "Fehler19", "Fehler20",
    "Fehler22", "Fehler23",   "Fehler24",       "Fehler25", "Fehler26", "Fehler27", "Fehler28",
    "Fehler29", "Fehler33",   "Fehler37",       "Fehler38", "Fehler39", "Fehler40", "Fehler41",
    "Fehler42", "Fehler43",   "FehlerCpreview", "Fehler48", "Fehler49",
    "Fehler60", "Fehler61",
};

struct Quoted {
  const char* name;
  const char* english;
  const char* german;
};

// Every message the flows quote, exactly as they show it.
const Quoted kQuotedMessages[] = {
    {"Tooltip3", "click here,if you want to install maps on another pc.",
     "clicken sie 'export-import' um Kartenset's auf einen weiteren PC zu installieren."},
    {"Satz28",
     "You have not admin-rights. It is possible, that ZORVAN cann't create registrykeys and "
     "integration will failed. Start again as admin.",
     "Sie verfügen nicht über Administratorenrechte. Das kann dazu führen, daß die erforderlichen "
     "Registryeinträge nicht erzeugt werden können und die Einbindung von Karten in 'Mapsource' "
     "scheitert. Sie sollten das Programm neu starten mit Admin-Rechten. Bei Antwort 'nein' wird "
     "die Programmausführung ohne Adminrechte fortgesetzt. Bei Antwort 'ja' das Programm beendet."},
    {"Satz70",
     "Which operatingsystem is istalled on this computer ? 'yes' for 64 bit, 'no' for 32 bit",
     "Wird dieser PC mit 64 bit Betriebssystem betrieben ? 'ja' für 64 bit, 'nein' für 32 bit"},
    {"Satz72", ". Doubleclick for delete", " Doppelclick zum loeschen"},
    {"Satz68", "operatingsystem is 64 bit", "Betriebssystem arbeitet mit 64 bit"},
    {"Satz69", "operatingsystem is 32 bit", "Betriebssystem arbeitet mit 32 bit"},
    {"Tip1", "'doubleclick' removes Mapset", "'Doppelclick' entfernt Mapset aus 'Mapsouce'"},
    {"Tip2", "Singleselect = doubleclick. Use multiselect with 'Drag & Drop'",
     "Einfachauswahl mit Doppelclick. Mehrfachauswahl mit 'Drag & Drop'"},
    {"Satz21", "Are you sure to remove mapset ?",
     "Den Kartensatz wirklich aus Mapsource entfernen ?"},
    {"Fehler2", "ID-Nr. exists already.", "Diese ID-Nr. ist schon vergeben."},
    {"Satz73", "working on file ", "bearbeite File "},
    {"Satz74", " files complete. Working on ", " Files verarbeitet. Bearbeite "},
    {"Text1", "integration is started. wait...", "Einbindung gestartet. bitte warten..."},
    {"Text2", "Integration is complet. Start 'MapSource' again.",
     "Die Einbindung ist erfolgt. Starten Sie 'MapSource' neu."},
    {"Fehler25",
     "Missing in Registrykey the entry for value 'TDB=' . You must insert it or delete the key "
     "complett. : ",
     "In folgendem Registryschlüssel fehlt der Eintrag zum Wert 'TDB=' . Sie müssen diesen Eintrag "
     "vornehmen oder den Schlüssel komplett loeschen. : "},
    {"Fehler32",
     " has a identical ID-number like another mapset. MapSource will showup only one mapset. "
     "Change  one mapset or delete it.",
     " hat die gleiche ID-Nummer wie ein anderes Mapset. MapSource wird nur eine der beiden Karten "
     "anzeigen. Ändern Sie die ID-Nummer oder löschen Sie eines der Mapsets."},
    {"Satzumlaut", "The filename must not contain any special characters, use A-->Z, a-->z, 0-->9",
     "Filenamen dürfen keine Umlaute enthalten. Benutzen Sie A-->Z, a-->z, 0-->9"},
    {"satz57", "no mapsets in gmp-format are existing.", "keine Karten im 'gmp'-Format vorhanden."},
    {"Satz25", "ZORVAN has created a backupfile  as file : ",
     "Es wurde eine Sicherheitskopie angelegt und gespeichert unter : "},
    {"Fehler28", "No File choosed.", "Kein File ausgewaehlt."},
    {"Fehler12", "File always exist.", "Datei schon vorhanden."},
    {"Fehler37",
     "Any pathname to gmapsupp.img includes dots as name. Move the gmapsupp to  a folder  without "
     "dots in foldername.",
     "Im Pfad der gmapsupp.img sind Punkte in Ordnernamen enthalten. Das ist nicht zulässig. "
     "Verschieben sie die gmapsupp.img in einen Ordner, dessen Pfad keine Punkte enthaelt."},
    {"Fehler23",
     "You try to integrate files with wrong filename. Filename must always have 8 digits, no "
     "letters. For example:'12345678.img' or end with ...'gmapsupp.img'.",
     "Sie versuchen File(s) einzubinden, deren Name nicht aus acht Ziffern "
     "besteht.z.B.:'12345678.img' oder auf ..'gmapsupp.img' endet."},
    {"Satz27",
     "The img -file is stored in the same folder like ZORVAN-SOFTWARE. This is not allowed. Move "
     "img-fil to other folder and start again.",
     "Das ausgewählte img-file befindet sich im selben Ordner wie das ZORVAN-Programm. Das ist "
     "nicht zulässig. Verschieben Sie das img-file in einen anderen Ordner und waehlen Sie neu "
     "aus."},
    {"Fehler5",
     "You must change minimum 1 character in letters 1- 8. Such name is already existing.",
     "Bitte aendern Sie wenigstens 1 Buchstaben der ersten 8 Zeichen des eingegebenen Names. Es "
     "besteht Verwechslungsgefahr."},
    {"Fehler13",
     "File 'cgpsmapper.exe' is not existing in subfolder \\Version97c. Make a new installation "
     "zorvan",
     "Die Datei cgpsmapper.exe ist nicht im Unterordner \\Version97c vorhanden. Installieren Sie "
     "zorvan neu."},
    {"Fehler33",
     "missing file sendg.dll in cgpsmapper-folder. Create a copy of sendg.dll and store it in "
     "folder ",
     "Die Datei sendg.dll ist im Ordner von cgpsmapper.exe nicht enthalten. Stellen Sie eine Kopie "
     "von sendg.dll mit in den Ordner "},
    {"Fehler42", "gmt.exe is not present in ZORVAN-folder. install zorvan again.",
     "gmt.exe ist nicht im Ordner ZORVAN enthalten. Installieren Sie zorvan neu."},
    {"Fehler9",
     "cgpsmapper can't create the preview -file. Integration to 'Mapsource' was not possible.",
     "Es konnte von cgpsmapper kein Übersichtsfile erzeugt werden. Die Einbindung in 'MapSource' "
     "war nicht möglich. Ursache kann sein,dass Mapsoure oder Basecamp geöffnet ist, oder zorvan "
     "nicht als admin gestartet wurde.  Auf diesem PC ist Java installiert, Sie können das "
     "Übersichtsfile mit Java erzeugen. Click 'yes' um das zu versuchen oder 'no' um abzubrechen "
     "und weitere Infos zu erhalten."},
    {"Fehler41", "zorvan was unable to create a tdb-file. Check if your files are error-free",
     "Es konnte leider kein TDB-File erzeugt werden. Prüfen sie die Kacheln auf Fehlerfreiheit."},
    {"Satz43",
     "'Yes'craetes a gmap-installation, this is the prefered version. 'no' creates a traditionall "
     "registrykey.",
     "Soll die Karte als gmap-Installation erzeugt werden, gmap-Installationen laufen auch auf "
     "MAC-PC. Dies ist die Vorzugsvariante. ? Bei 'nein wird eine Installation mit Registryeintrag "
     "erzeugt."},
    {"Fehler8", "Integration is now ready for use. Start 'MapSource'again.",
     "Einbindung ist fertiggestellt. Starten Sie 'MapSource' neu."},
    {"Fehler29",
     "zorvan was unable to write to registry, because the securitysettings doe's not allow that. "
     "You should create a gmap-installation instaed registy-installation. in that case are "
     "adminright's not necessary. Or try to start zorvan with rightclick an ZORVAN*-exe==> start "
     "as==> administrator and change your securitysetting in uac and/or in registry. zorvan must "
     "have a write-rights in registry.",
     "ZORVAN konnte keine Registryeinträge schreiben, weil die Sicherheitseinstellungen des PC "
     "dies verhindern. Sie sollten die Karte als gmap-Installation erzeugen statt "
     "Registry-Installation, da werden keine admin-Rechte gebraucht. Oder Starten Sie zorvan neu "
     "mit Rechtsclick auf die ZORVAN*-exe ==> starten als ==> admin und konfigurieren Sie die "
     "Benutzerkontensteuerung und/oder die Zugriffsrechte für dier Registry so, das der "
     "Vollzugriff für ZORVAN erlaubt wird."},
    {"Satz66",
     "Folder 'SplittMaps' already exists. I you proceed, it will overwrited. Continue anyway ?",
     "der Ordner 'SplittMaps' existiert schon. Falls sie fortfahren, wird dieser "
     "überschrieben.Trotzdem fortfahren ?"},
    {"Fehler36",
     "Creation of tdb-file was not possible. Perhaps some img-files were created. ZORVAN will "
     "restart. Then try it it with the created img-files in subfolder ..\\SplittMaps again.",
     "Es konnte kein tdb-File aus der gmapsupp erzeugt werden. Die automatische Integration in "
     "MapSource war nicht möglich. Möglicherweise sind aber img-Files erzeugt worden. ZORVAN wird "
     "neu starten. Dann können Sie versuchen, erzeugte img-Files im Unterordner..\\SplittMaps "
     "separat einzubinden."},
    {"Fehler39",
     "zorvan was not bee able to extract some files from  gmapsupp. Try another gmapsupp.img.",
     "Es konnten nicht alle erforderlichen Dateien aus der gmapsupp.img extrahiert werden. "
     "Probieren Sie eine andere gmapsupp.img."},
    {"Satz61", "There are ", "Es wurden "},
    {"Satz62", " files processed. The generation of the mapset is complete.",
     " Files verarbeitet. Die Erzeugung des Kartensatzes ist abgeschlossen."},
    {"Satz50", "use new name", "Namen uebernehmen"},
    {"Satz53", "type in new name", "neuen Namen eingeben"},
    {"Satz22", "Typfile was changed. Start 'Mapsource' again.",
     "Das Typfile wurde geaendert. Starten Sie 'Mapsource' erneut, damit die Aenderungen wirksam "
     "werden."},
    {"Fehler16",
     "No typfile selected. Existing typfile will not longer used with the mapset. Continue ?",
     "Es wurde kein Typfile ausgewaehlt. Ein Vorhandes soll nicht mehr auf das Mapset angewendet "
     "werden."},
    {"Fehler31",
     "the new Typfile is stored in same folder like the old and it has the same name. That is not "
     "alowed. Rename it and store it in other folder.",
     "Das neue Typfile ist im gleichen Ordner wie das alte gespeichert und hat den gleichen Namen. "
     "Das ist unzulässig. Verschieben Sie das neue Typfile in einen anderen Ordner und benennen "
     "Sie um."},
    {"Fehler27", "Typfile was deleted.", "Typfile wurde entfernt."},
    {"Satz77", "clear BaseCamp TileCache", "BaseCamp-TileCache leeren"},
    {"Satz75", "clear BaseCamp TileCache : ", "TileCache BaseCamp leeren : "},
    {"Satz76", " in use -delete ?", " belegt-leeren?"},
};

// The main window's captions as the flows quote them.
const Quoted kQuotedCaptions[] = {
    {"CommandKartenentfernen", "show + remove mapset", "Karten anzeigen/entfernen"},
    {"CommandHinzufuegen", "add mapset", "Mapset hinzufuegen"},
    {"Command2", "add/remove  next mapset",
     "weiteres Mapset in 'Mapsource' einbinden oder entfernen"},
    {"Command1", "Selection is finished", " Auswahl ist fertig"},
    {"CommandAllesLoeschen", "back", "zurueck"},
    {"CommandFolder", "choose folder", "Ordner waehlen"},
    {"CommandMapnameAendern", "change mapset-name", "Mapsetname aendern"},
    {"CommandNameuebernehmen", "use this name", "Name uebernehmen"},
    {"CommandFilename", "show maptile names+drawpriority", "Zeige Kachelnamen+Drawpriority"},
    {"CommandTypeaendern", "add/change typfile", "Typfile aendern/hinzufuegen"},
    {"Frame2", "change DrawPriority to ", "Aendere DrawPriority auf "},
    {"CommandButtonPV", "next step-add to Mapsource", "Mapset zu Mapsource hinzufuegen"},
    {"Optiontdbja", "Tdb + preview already existing ?", "Tdb + preview schon vorhanden ?"},
    {"Optiontdbno", "TDB + Preview not already existing", "TDB + Preview nicht vorhanden"},
    {"Label3", "Name in 'MapSource'", "Name in 'MapSource'"},
    {"Label4", "Selected files :", "ausgewaehlte Files :"},
    {"Label9", "deutsch", "deutsch"},
    {"MnHilfe", "Hilfe ?", "Hilfe ?"},
    {"Prop", "OS 32 bit or 64 bit ?", "OS 32 bit or 64 bit ?"},
    {"MnuLatitude", "Optimale Latitude", "Optimale Latitude"},
    {"mnuWebsite", "Website", "Website"},
};

std::set<std::string> namesOf(const TextTable& table) {
  std::set<std::string> names;
  for (const auto& entry : table) names.insert(entry.first);
  return names;
}

TEST(CatalogueKeys, AreExactlyTheKeysTheFlowsUseEachOnce) {
  const std::vector<std::string> keys(kMessageKeys.begin(), kMessageKeys.end());
  EXPECT_EQ(keys, kExpectedKeys);
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), kExpectedKeys.size());
}

TEST(CatalogueKeys, HaveATextInEachLanguageAndNothingElse) {
  const std::set<std::string> expected(kExpectedKeys.begin(), kExpectedKeys.end());
  for (const CatalogueTexts* texts : {&englishTexts(), &germanTexts()}) {
    EXPECT_EQ(namesOf(texts->messages), expected);
    for (const auto& [key, text] : texts->messages) {
      EXPECT_FALSE(text.empty()) << key;
    }
  }
}

TEST(CatalogueTexts, QuotedMessagesStandExactly) {
  for (const Quoted& quoted : kQuotedMessages) {
    EXPECT_EQ(englishTexts().messages.at(quoted.name), quoted.english) << quoted.name;
    EXPECT_EQ(germanTexts().messages.at(quoted.name), quoted.german) << quoted.name;
  }
}

TEST(CatalogueTexts, QuotedCaptionsStandExactly) {
  for (const Quoted& quoted : kQuotedCaptions) {
    EXPECT_EQ(englishTexts().captions.at(quoted.name), quoted.english) << quoted.name;
    EXPECT_EQ(germanTexts().captions.at(quoted.name), quoted.german) << quoted.name;
  }
}

TEST(CatalogueTexts, BothLanguagesDressTheSameControls) {
  EXPECT_EQ(namesOf(englishTexts().captions), namesOf(germanTexts().captions));
  EXPECT_EQ(namesOf(englishTexts().toolTips), namesOf(germanTexts().toolTips));
  for (const CatalogueTexts* texts : {&englishTexts(), &germanTexts()}) {
    for (const auto& [control, text] : texts->captions) EXPECT_FALSE(text.empty()) << control;
    for (const auto& [control, text] : texts->toolTips) EXPECT_FALSE(text.empty()) << control;
    // The language menu names the language in effect; only the toggle sets it.
    EXPECT_EQ(texts->captions.count("Sprachwahl"), 0u);
  }
}

TEST(CatalogueTexts, MessageToolTipsNameCatalogueKeys) {
  for (const auto& [control, key] : messageToolTips()) {
    EXPECT_NE(std::find(kMessageKeys.begin(), kMessageKeys.end(), key), kMessageKeys.end())
        << control;
  }
}

TEST(MessageCatalogue, IsEmptyUntilFilled) {
  const MessageCatalogue catalogue;
  EXPECT_TRUE(catalogue.empty());
  EXPECT_FALSE(catalogue.sprache());
  EXPECT_EQ(catalogue.text(key::Satz21), "");
  EXPECT_EQ(catalogue.caption("CommandHinzufuegen"), "");
  EXPECT_EQ(catalogue.caption("Sprachwahl"), "Language");
}

TEST(MessageCatalogue, FillTakesEveryTextOfTheLanguage) {
  MessageCatalogue catalogue;
  catalogue.fill(Sprache::English);
  EXPECT_EQ(catalogue.sprache(), Sprache::English);
  for (const auto key : kMessageKeys)
    EXPECT_EQ(catalogue.text(key), englishTexts().messages.at(std::string(key)));
  EXPECT_EQ(catalogue.caption("CommandHinzufuegen"), "add mapset");
  EXPECT_EQ(catalogue.toolTip("ListLoeschen"), "'doubleclick' removes Mapset");
  EXPECT_EQ(catalogue.toolTip("File1"),
            "Singleselect = doubleclick. Use multiselect with 'Drag & Drop'");
  EXPECT_EQ(catalogue.toolTip("CmdExpImp"),
            "click here,if you want to install maps on another pc.");

  catalogue.fill(Sprache::Deutsch);
  EXPECT_EQ(catalogue.sprache(), Sprache::Deutsch);
  EXPECT_EQ(catalogue.text(key::Satz21), "Den Kartensatz wirklich aus Mapsource entfernen ?");
  EXPECT_EQ(catalogue.caption("CommandHinzufuegen"), "Mapset hinzufuegen");
  EXPECT_EQ(catalogue.toolTip("ListLoeschen"), "'Doppelclick' entfernt Mapset aus 'Mapsouce'");
  EXPECT_EQ(catalogue.caption("Sprachwahl"), "Language");
}

TEST(MessageCatalogue, HoldsTheTdbMessagesOfTheLanguageWithOurSupportAddress) {
  MessageCatalogue catalogue;
  catalogue.fill(Sprache::English);
  EXPECT_EQ(catalogue.tdb().title, "ZORVAN");
  EXPECT_EQ(catalogue.tdb().unknownFormat,
            "unknowm-tdb-format. Please send tdb-file to : " + std::string(kSupportAddress) +
                " as email-attachment");
  EXPECT_EQ(catalogue.tdb().backupCreated, catalogue.text(key::Satz25));
  EXPECT_EQ(catalogue.tdb().nameChanged, "Mapname was changed.");
  EXPECT_EQ(catalogue.tdb().fileMissing, "da ging was schief, versuche es bitte erneut");
  catalogue.fill(Sprache::Deutsch);
  EXPECT_EQ(catalogue.tdb().nameChanged, "Mapname wurde geändert.");
  EXPECT_EQ(catalogue.tdb().backupCreated, catalogue.text(key::Satz25));
  EXPECT_EQ(catalogue.tdb().fileMissing, "da ging was schief, versuche es bitte erneut");
  EXPECT_FALSE(catalogue.tdb().damaged.empty());
}

TEST(MessageCatalogue, CgpsmapperHintEndsWithThePieceThatPointsToHelp) {
  MessageCatalogue catalogue;
  for (const Sprache sprache : {Sprache::English, Sprache::Deutsch}) {
    catalogue.fill(sprache);
    const std::string hint = catalogue.cgpsmapperHint();
    const std::string& last = catalogue.text(key::Satz78);
    ASSERT_GT(hint.size(), last.size());
    EXPECT_EQ(hint.substr(hint.size() - last.size()), last);
    EXPECT_NE(hint.find("Version97c\\cgpsmapper.exe"), std::string::npos);
    EXPECT_NE(last.find(kProductHelpPage), std::string::npos);
  }
}

}  // namespace
}  // namespace mapsetdesk
