#include "app/messages/CacheTexts.h"

namespace mapsetdesk {

CacheTexts cacheTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {
        " file(s) could not be deleted: a running program uses them, or they are "
        "write-protected.",
        "The folder is a link to another folder and was not emptied: "};
  }
  return {
      " Datei(en) konnten nicht gelöscht werden: ein laufendes Programm benutzt sie, oder "
      "sie sind schreibgeschützt.",
      "Der Ordner ist eine Verknüpfung zu einem anderen Ordner und wurde nicht geleert: "};
}

}  // namespace mapsetdesk
