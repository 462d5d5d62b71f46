#include "app/messages/SendToDeviceTexts.h"

namespace mapsetdesk {

SendToDeviceTexts sendToDeviceTexts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {
        "Send to device",
        "mapset\tFID\tPID\tMB",
        "Target:",
        "file…",
        "Size of the image: ",
        "Write",
        "This file exists already. Replace it? ",
        "Writing the device image ",
        "Written: ",
        "The device image is complete: ",
        "The device image could not be written; nothing was changed: ",
        "Choose at least one mapset.",
        "Two chosen mapsets have the same FID and PID: ",
        "Two tiles of the chosen mapsets have the same map number: ",
        "A file of the mapset is missing: ",
        "A file of the mapset is damaged: ",
        "The image would be larger than 4 GB, more than a FAT32 card or device (which most "
        "use) can hold: ",
        "There is not enough free space on the target for the image: ",
        "The target is a file of a chosen mapset: ",
        "The target is a folder: ",
        "Choose a device or a file to write to.",
        "A device image is a file ending in .img, and not named as a tile (eight digits): ",
    };
  }
  return {
      "Zum Geraet senden",
      "Kartensatz\tFID\tPID\tMB",
      "Ziel:",
      "Datei…",
      "Größe des Abbilds: ",
      "Schreiben",
      "Diese Datei gibt es schon. Ersetzen? ",
      "Das Geräteabbild wird geschrieben: ",
      "Geschrieben: ",
      "Das Geräteabbild ist fertig: ",
      "Das Geräteabbild konnte nicht geschrieben werden; nichts wurde geändert: ",
      "Wählen Sie mindestens einen Kartensatz.",
      "Zwei gewählte Kartensätze haben dieselbe FID und PID: ",
      "Zwei Kacheln der gewählten Kartensätze haben dieselbe Kartennummer: ",
      "Eine Datei des Kartensatzes fehlt: ",
      "Eine Datei des Kartensatzes ist beschädigt: ",
      "Das Abbild wäre größer als 4 GB, mehr als eine FAT32-Karte oder ein FAT32-Gerät (wie die "
      "meisten) aufnehmen kann: ",
      "Auf dem Ziel ist nicht genug Platz frei für das Abbild: ",
      "Das Ziel ist eine Datei eines gewählten Kartensatzes: ",
      "Das Ziel ist ein Ordner: ",
      "Wählen Sie ein Gerät oder eine Datei als Ziel.",
      "Ein Geräteabbild ist eine Datei, die auf .img endet und nicht wie eine Kachel heißt (acht "
      "Ziffern): ",
  };
}

}  // namespace mapsetdesk
