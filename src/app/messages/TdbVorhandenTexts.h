#pragma once
// The texts of the registration window for an existing TDB and overview,
// `FormTDBvorhanden`, which keeps its own texts beside the main window's
// catalogue.
#include <string>

#include "app/messages/CatalogueTexts.h"
#include "formats/TdbMessages.h"

namespace mapsetdesk {

// File chooser filters, the same in both languages.
inline constexpr char kTdbFilter[] = "TDB-Files|*.TDB";
inline constexpr char kPreviewFilter[] = "Preview-Files|*.IMG";
inline constexpr char kTypFilter[] = "Type-Files|*.Typ";
inline constexpr char kIndexFilter[] = "Index-Files|*.mdx";
inline constexpr char kMdrFilter[] = "Index-Files|*_mdr.img;MDR*.IMG";
inline constexpr char kTrfFilter[] = "traffic-files|*.trf";

struct TdbVorhandenTexts {
  std::string caption;
  // Field labels.
  std::string labelLoc;
  std::string labelTdb;
  std::string labelPreview;
  std::string labelTyp;
  std::string labelIndex;
  std::string labelMdr;
  std::string labelTrf;
  std::string labelName;
  // Chooser titles.
  std::string chooseLoc;
  std::string chooseTdb;
  std::string choosePreview;
  std::string chooseTyp;
  std::string chooseIndex;
  std::string chooseMdr;
  std::string chooseTrf;
  std::string commandRegistriere;
  // Messages.
  std::string finished;
  std::string fileMissing;
  std::string mdrInvalid;
  std::string indexInvalid;
  std::string previewInvalid;
  std::string tdbInvalid;
  std::string trfInvalid;
  std::string typInvalid;
  std::string mdrFromGmapsupp;
  std::string typClash;      // followed by the path of the other mapset's TYP
  std::string typNotCopied;  // followed by the path of the copy
  TdbTexts tdb;              // the TDB operations' messages
};

// "create " + name + ".gmap installation", in both languages.
std::string gmapsatzCaption(const std::string& mapsetName);

inline constexpr char kWrongId[] = "wrong id number,ID must bee numeric";
// German only: tile files named in the TDB are missing; the names follow.
inline constexpr char kTilesMissing[] =
    "Die im TDB-file verzeichneten Files sind nicht im Kartenordner vorhanden. Stellen Sie "
    "alle zum Kartensatz gehörigen Files in das selbe Verzeichnis. Bereits vom Programm "
    "angelegte Ordner werden jetzt gelöscht.";

TdbVorhandenTexts tdbVorhandenTexts(Sprache sprache);

}  // namespace mapsetdesk
