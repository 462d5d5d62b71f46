#include "app/messages/FidTexts.h"

namespace mapsetdesk {

FidTexts fidTexts(Sprache sprache) {
  FidTexts texts{"FID changer", "change FID", "give me a free FID", "close window", "new FID :",
                 "choose a mapset", "FID :", "FID already in use", "Map does not exist",
                 "Nothing was changed: the TYP file for the new FID already belongs to another "
                 "mapset: ",
                 "The FID change stopped at this file: ",
                 "These files already have the new FID:",
                 "No file was changed."};
  if (sprache == Sprache::English) return texts;
  texts.command1 = "Aendere FID";
  texts.command2 = "Gib mir eine freie FID";
  texts.commandExit = "Fenster schliessen";
  texts.label2 = "neue FID :";
  texts.inUse = "Diese FID wird bereits benutzt";
  texts.typClash =
      "Es wurde nichts geändert: die TYP-Datei für die neue FID gehört schon zu einem anderen "
      "Kartensatz: ";
  texts.stoppedAt = "Die FID-Änderung brach bei dieser Datei ab: ";
  texts.alreadyChanged = "Diese Dateien haben schon die neue FID:";
  texts.nothingChanged = "Keine Datei wurde geändert.";
  return texts;
}

std::string fidStoppedMessage(const FidTexts& texts, const std::string& stoppedAt,
                              const std::vector<std::string>& changed) {
  std::string message = texts.stoppedAt + stoppedAt + "\n";
  if (changed.empty()) return message + texts.nothingChanged;
  message += texts.alreadyChanged;
  for (const std::string& file : changed) message += "\n" + file;
  return message;
}

}  // namespace mapsetdesk
