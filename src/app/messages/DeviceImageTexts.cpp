#include "app/messages/DeviceImageTexts.h"

namespace mapsetdesk {

std::string splitFolderIsLink(Sprache sprache) {
  return sprache == Sprache::English
             ? "The folder 'SplittMaps' is a link to another place. ZORVAN deletes nothing "
               "there. Remove the link and try again."
             : "Der Ordner 'SplittMaps' ist eine Verknüpfung auf einen anderen Ort. ZORVAN "
               "löscht dort nichts. Entfernen Sie die Verknüpfung und versuchen Sie es erneut.";
}

}  // namespace mapsetdesk
