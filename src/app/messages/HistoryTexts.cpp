#include "app/messages/HistoryTexts.h"

namespace mapsetdesk {

HistoryTexts historyTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {
        "History",
        "Undo",
        "time\taction\tmapset\tstate",
        "Size of the history in MB: ",
        "Clearing a tile cache deletes files on purpose and is not recorded here.",
        "The change history cannot be written, so nothing was changed: ",
        "An interrupted action was rolled back: ",
        "An interrupted action could not be rolled back completely; it is tried again at the "
        "next start: ",
        "Undo this change? ",
        "The change was undone: ",
        "There is no change to undo.",
        "There is no history entry ",
        "This entry cannot be undone (unfinished, rolled back or undone already): ",
        "Undo is not possible, this has been changed since: ",
        "Undo is not possible, a later change touched the same thing; undo it first: ",
        "Undo failed, nothing was changed: ",
        "This removal is larger than the change history may hold (HistoryMB = ",
        " MB), so it cannot be undone. Remove it all the same?",
        "complete",
        "incomplete",
        "rolled back",
        "undone",
    };
  }
  return {
      "Verlauf",
      "Rückgängig",
      "Zeit\tAktion\tKartensatz\tZustand",
      "Größe des Verlaufs in MB: ",
      "Das Leeren eines Kachel-Caches löscht Dateien mit Absicht und wird hier nicht "
      "festgehalten.",
      "Der Verlauf kann nicht geschrieben werden, daher wurde nichts geändert: ",
      "Eine unterbrochene Aktion wurde zurückgenommen: ",
      "Eine unterbrochene Aktion konnte nicht ganz zurückgenommen werden; beim nächsten Start "
      "wird es erneut versucht: ",
      "Diese Änderung rückgängig machen? ",
      "Die Änderung wurde rückgängig gemacht: ",
      "Es gibt keine Änderung, die rückgängig gemacht werden kann.",
      "Es gibt keinen Verlaufseintrag ",
      "Dieser Eintrag kann nicht rückgängig gemacht werden (unvollständig, zurückgenommen oder "
      "schon rückgängig gemacht): ",
      "Rückgängig machen ist nicht möglich, dies wurde seitdem geändert: ",
      "Rückgängig machen ist nicht möglich, eine spätere Änderung betrifft dasselbe; machen Sie "
      "zuerst diese rückgängig: ",
      "Rückgängig machen fehlgeschlagen, nichts wurde geändert: ",
      "Diese Entfernung ist größer, als der Verlauf fassen darf (HistoryMB = ",
      " MB), und kann daher nicht rückgängig gemacht werden. Trotzdem entfernen?",
      "abgeschlossen",
      "unvollständig",
      "zurückgenommen",
      "rückgängig gemacht",
  };
}

}  // namespace mapsetdesk
