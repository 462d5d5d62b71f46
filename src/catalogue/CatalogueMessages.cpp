#include "catalogue/CatalogueMessages.h"

namespace mapsetdesk {

std::string removalTitle(const std::string& mapset) {
  return std::string(kCatalogueTitle) + " - " + mapset;
}

std::string missingInfoXmlText(const std::string& folder) {
  return "missing Info.xml in " + folder;
}

std::string damagedInfoXmlText(const std::string& infoXml) {
  return "File " + infoXml + " info.xml ist beschädigt";
}

std::string duplicateFidText(const std::string& fid) { return "FID " + fid + " ist doppelt."; }

std::string packageRefusedText(bool german, const std::string& folder) {
  if (german)
    return "Der Ordner \"" + folder +
           "\" ist kein Ordner eines gmap-Kartensatzes in einem der Kartenordner. Es wurde "
           "nichts gelöscht.";
  return "The folder \"" + folder +
         "\" is not the folder of a gmap-mapset in one of the map folders. Nothing was deleted.";
}

std::string registrationKeptText(bool german) {
  if (german)
    return "Der Kartensatz konnte nicht aus der Registry entfernt werden, seine Dateien wurden "
           "nicht gelöscht. Schließen Sie MapSource und starten Sie das Programm als "
           "Administrator.";
  return "The mapset could not be removed from the registry, its files were not deleted. Close "
         "MapSource and start the program as administrator.";
}

std::string fileKeptText(bool german, const std::string& file, const std::string& user) {
  if (german)
    return "Die Datei \"" + file + "\" wird noch vom Kartensatz \"" + user +
           "\" verwendet und wurde nicht gelöscht.";
  return "The file \"" + file + "\" is still used by the mapset \"" + user +
         "\" and was not deleted.";
}

}  // namespace mapsetdesk
