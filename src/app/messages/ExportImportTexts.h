#pragma once
// The texts of the export and import window `ExportImport`, which keeps its
// own texts beside the main window's catalogue.
#include <string>
#include <vector>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

// Asked before a package is exported, after its name; the same in both languages.
inline constexpr char kExportQuestion[] = " exportieren?";
// The download list's caption, the same in both languages.
inline constexpr char kDownloadCaption[] =
    "W\xC3\xA4hlen Sie oben eine Downloadquelle aus-choose downloadsource";
// What the network-path line puts into the address field.
inline constexpr char kNetworkPathPrompt[] = "\\\\Pfad im Netzlaufwerk?";
inline constexpr char kExeFilter[] = "exe-Files|*.exe";
// The row of the download list that stands for a path on a network drive.
inline constexpr int kNetworkPathRow = 2;

struct ExportImportTexts {
  std::string caption;
  std::string commandExport;
  std::string commandImport;
  std::string commandGmap;    // turns the registration into a gmap package
  std::string lblDownload;
  // Export.
  std::string noSelection;
  std::string copyHint1;
  std::string copyHint2;
  std::string damagedPackage;  // after "File " + the Info.xml path
  std::string wrongFolder;
  std::string copyRefused;     // after it the file that could not be copied
  std::string logNotWritten;   // after it the log's path
  // Import.
  std::string navigate;
  std::string sourceTitle;
  std::string destinationTitle;
  std::string allUsers;        // followed by the user's name
  std::string copied;
  std::string installer;
  std::string damaged;         // after "File " + the Info.xml path
  std::string replaceFolder;   // before the folder that is there already
  std::string replaceQuestion; // after it
  std::string nameRefused;     // before a name of the log that is refused
  std::string gmapMade;        // before the package folder a conversion made
  std::string linkRefused;     // before the shortcut that could not be made
  std::string mapsetGone;      // the marked mapset is no longer installed
  std::string noTileFolder;    // before the registration key without LOC value
  std::string intoItself;      // before the destination inside the folder to import
  std::string notExported;     // after "wrong folder" + " : " + the chosen folder
};

ExportImportTexts exportImportTexts(Sprache sprache);

// The download sources of a MapSource installer; the third stands for a
// path on a network drive.
const std::vector<std::string>& downloadSources();

}  // namespace mapsetdesk
