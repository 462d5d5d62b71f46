#include "app/messages/TdbVorhandenTexts.h"

#include "app/messages/TdbTexts.h"

namespace mapsetdesk {
namespace {

TdbVorhandenTexts english() {
  return {
      "register existing tdb+preview (mapset)",
      "path to maptiles(detail-img's)",
      "path to tdb-file",
      "path to preview-img",
      "optional : path to typefile",
      "optional : path to mdx-indexfile",
      "optional : path to mdr-indexfile",
      "optional : path to traffic-file",
      "mapset-name",
      "Navigate to folder with the maptiles(img-files)",
      "choose TDB-file",
      "choose preview-file",
      "choose type-file",
      "choose mdx-indexfile",
      "choose mdr-indexfile",
      "choose traffic-file",
      "register mapset",
      "ready. Start MapSource",
      "the file, you have typed in, is not existing. Type in a existing path.",
      "mdr-file is not valide",
      "idx-file is not valide",
      "preview-file is not valide",
      "tdb-file is not valide",
      "trf-file is not valide",
      "typ-file is not valide",
      "never use mdr-file, which has it's source  as gmapsupp.img! Such -mdr-files prevent "
      "from showing the map in MapSource/BaseCamp. Click 'yes' to clear this entry.",
      "The typfile copy for this FID would replace the typfile of another mapset. Nothing was "
      "changed. Choose another FID or remove the other mapset first : ",
      "The typfile could not be copied to the folder of the mapset : ",
      tdbTexts(Sprache::English),
  };
}

TdbVorhandenTexts german() {
  return {
      "Vorhandene TDB + Preview registrieren",
      "Pfad zu den Kacheln(Detail-img's)",
      "Pfad zum TDB-File",
      "Pfad zum Previewfile",
      "optional : Pfad zum Typefile",
      "optional : Pfad zum MDX-Indexfile",
      "optional : Pfad zum MDR-Indexfile",
      "optional : Pfad zum Traffic-File",
      "Mapsetname",
      "Pfad mit den Dateilkacheln(img) auswaehlen",
      "TDB-File auswählen",
      "Preview-File auswählen",
      "Type-File auswählen",
      "MDX-Indexfile auswaehlen",
      "MDR-Indexfile auswaehlen",
      "Traffic-File auswählen",
      "registriere das Mapset",
      "fertig.Starte Mapsource neu",
      "Eines der eingetragenen Files existiert nicht. Tragen Sie einen gueltigen Pfad ein.",
      "Es ist kein gültiges MDR-File ausgewählt",
      "Es ist kein gültiges idx-File ausgewählt",
      "Es ist kein gültiges Previewfile ausgewählt",
      "Es ist kein gültiges TDB-File ausgewählt",
      "Es ist kein gültiges trf-File ausgewählt",
      "Es ist kein gültiges TYP-File ausgewählt",
      "es wird dringend davor gewarnt, ein MDR-File zu benutzen, das aus einer gmapsupp.img "
      "stammt. Diese verhindern u.U., dass MapSource/Basecamp die Karte anzeigt. clicke 'ja' "
      "zum Entfernen",
      "Die Kopie des Typfiles für diese FID würde das Typfile eines anderen Mapsets ersetzen. "
      "Es wurde nichts geändert. Wählen Sie eine andere FID oder entfernen Sie zuerst das "
      "andere Mapset : ",
      "Das Typfile konnte nicht in den Ordner des Mapsets kopiert werden : ",
      tdbTexts(Sprache::Deutsch),
  };
}

}  // namespace

std::string gmapsatzCaption(const std::string& mapsetName) {
  return "create " + mapsetName + ".gmap installation";
}

TdbVorhandenTexts tdbVorhandenTexts(Sprache sprache) {
  return sprache == Sprache::English ? english() : german();
}

}  // namespace mapsetdesk
