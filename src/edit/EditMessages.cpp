#include "edit/EditMessages.h"

namespace mapsetdesk {

std::string backupRefusedText(const std::string& tdb) {
  return "Zugriff zum Speichern eines Backupfiles " + tdb + "-BAK wurde verweigert.";
}

std::string infoXmlFailedText(bool german, const std::string& infoXml) {
  return (german ? "Die Datei konnte nicht gelesen oder geschrieben werden : "
                 : "The file could not be read or written : ") +
         infoXml;
}

std::string typClashText(bool german, const std::string& copy) {
  return (german ? "Die Kopie des Typfiles würde das Typfile eines anderen Mapsets ersetzen. Es "
                   "wurde nichts geändert : "
                 : "The typfile copy would replace the typfile of another mapset. Nothing was "
                   "changed : ") +
         copy;
}

std::string typNotCopiedText(bool german, const std::string& copy) {
  return (german ? "Das Typfile konnte nicht kopiert werden : "
                 : "The typfile could not be copied : ") +
         copy;
}

std::string packageFidText(bool german, const std::string& infoXml) {
  return (german ? "Die ID in Info.xml ist keine gültige FID : "
                 : "The ID in Info.xml is no valid FID : ") +
         infoXml;
}

std::string stoppedHalfWayText(bool german, const std::vector<std::string>& changed) {
  std::string text = german ? "Die Änderung wurde abgebrochen. Bereits geändert wurden : "
                            : "The change stopped half-way. Already changed : ";
  for (std::size_t i = 0; i < changed.size(); ++i) text += (i > 0 ? ", " : "") + changed[i];
  return text;
}

}  // namespace mapsetdesk
