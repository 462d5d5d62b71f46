#include "app/messages/Form1Texts.h"

namespace mapsetdesk {

Form1Texts form1Texts(Sprache sprache) {
  if (sprache == Sprache::English) {
    return {
        "Show folders where GARMIN-'gmap'-mapsets and gma-unlock are stored",
        "To show up custom mapsets as 'gmap'-files in Mapsource, store the 'GMAP'-folders as "
        "subfolder in \r\n"
        " folders with path like shown in the upper boxes. If this folders not already   "
        "exists,\r\n"
        " please create it immediately.",
        "clear BaseCamp TileCache",
        "clear MapInstall TileCache",
        "clear MapSource TileCache",
    };
  }
  return {
      "Ordner fuer Garmin 'gmap'-Kartensets und 'gma'-unlock -Fileanzeigen",
      "Damit Kartensets im gmp-Format in Mapsource dargestellt werden, müssen die  Ordner "
      "'GMAP' \r\n"
      "des jeweiligen Kartensets als Unterordner in einem der oben angezeigten Pfade "
      "gespeichert werden.\r\n"
      "Es ist u.U. möglich, daß im Windowsexplorer statt 'User' 'Benutzer' angezeigt wird, "
      "oder umgekehrt.\r\n"
      "Das ist dann gleichwertig.",
      "BaseCamp-TileCache leeren",
      "MapInstall-TileCache leeren",
      "MapSource-TileCache leeren",
  };
}

}  // namespace mapsetdesk
