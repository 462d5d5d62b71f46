#include "app/messages/InstallTexts.h"

namespace mapsetdesk {
namespace {

std::string englishLead(ClashKind kind, const std::string& what, const std::string& mapset) {
  switch (kind) {
    case ClashKind::File:
      return "The file " + what + " belongs to the installed mapset '" + mapset +
             "'. This installation would overwrite it.";
    case ClashKind::PackageFolder:
      return "The gmap package " + what + " is already installed ('" + mapset + "').";
    case ClashKind::FamilyKey:
      return "The registry key " + what + " already belongs to the installed mapset '" + mapset +
             "'.";
    case ClashKind::RegisteredTdb:
      return "The TDB " + what + " is already installed as the mapset '" + mapset + "'.";
  }
  return {};
}

std::string germanLead(ClashKind kind, const std::string& what, const std::string& mapset) {
  switch (kind) {
    case ClashKind::File:
      return "Die Datei " + what + " gehört zum installierten Kartensatz '" + mapset +
             "'. Diese Installation würde sie überschreiben.";
    case ClashKind::PackageFolder:
      return "Das gmap-Paket " + what + " ist schon installiert ('" + mapset + "').";
    case ClashKind::FamilyKey:
      return "Der Registry-Schlüssel " + what + " gehört schon zum installierten Kartensatz '" +
             mapset + "'.";
    case ClashKind::RegisteredTdb:
      return "Das TDB-File " + what + " ist schon als Kartensatz '" + mapset + "' installiert.";
  }
  return {};
}

}  // namespace

std::string nameWithoutLetterText(Sprache sprache) {
  return sprache == Sprache::English
             ? "The mapset name must hold at least one letter or digit."
             : "Der Name des Kartensatzes muss wenigstens einen Buchstaben oder eine Ziffer "
               "enthalten.";
}

std::string nameNotInFileNamesText(Sprache sprache) {
  return sprache == Sprache::English
             ? "The mapset name becomes a file name and must not contain any of these "
               "characters: \\ / : * ? \" < > |"
             : "Der Name des Kartensatzes wird zum Dateinamen und darf keines dieser Zeichen "
               "enthalten: \\ / : * ? \" < > |";
}

std::string clashText(Sprache sprache, ClashKind kind, const std::string& what,
                      const std::string& mapset) {
  if (sprache == Sprache::English)
    return englishLead(kind, what, mapset) +
           "\nNothing was changed. Choose a name (and FID) unlike the installed mapset's, or "
           "remove that mapset first.";
  return germanLead(kind, what, mapset) +
         "\nEs wurde nichts geändert. Wählen Sie einen anderen Namen (und eine andere FID) als "
         "die des installierten Kartensatzes, oder entfernen Sie diesen zuerst.";
}

}  // namespace mapsetdesk
