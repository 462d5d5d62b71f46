#pragma once
// The catalogue of gmap packages: every direct subfolder of the map folders
// of all users, of the user and of BaseCamp is read as a package, one row per
// product of its Info.xml, sorted by the text the gmap list shows.
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {

inline constexpr char kBaseCampKey[] = "\\Garmin\\BaseCamp";  // below the registry base
inline constexpr char kBaseCampInstallDir[] = "InstallDir";

struct GmapRow {
  std::string display;  // ListMapsetGMP: "gmap; " name "; FID:" FID ";PID:" number
  std::string infoXml;  // ListXMLPfad: full path of the package's Info.xml
  std::string tdb;      // ListGmpTdb: the product folder's TDB
  std::string pid;      // ListgmpPID: the product number
  std::string fid;      // ListgmpFid: the family's ID element
  std::string index;    // ListgmpMDX: the IDX element or "KeinMDXFILE"
  std::string name;     // the product's name in Info.xml
  std::string typ;      // the family's TYP element; empty when there is none
};

struct GmapCatalogue {
  std::vector<GmapRow> rows;
  // Neither the all-users nor the user's map folder exists: while no row was
  // found elsewhere, the gmap list shows the message satz57 instead.
  bool noMapFolder = false;
  bool listed = false;  // the map folders were looked at, even if they held nothing
};

struct GmapFolders {
  std::string allUsers;  // special folder 35 + GARMIN\Maps
  std::string user;      // special folder 26 + GARMIN\Maps
  std::string baseCamp;  // BaseCamp's InstallDir + Maps; empty when not installed
};

// The three map folders, whether or not they exist.
GmapFolders gmapFolders(Registry& registry, SystemFacts& facts, const std::string& base);

// Lists the packages of every map folder that exists, in the order above.
GmapCatalogue GMPFileslisten(const GmapFolders& folders, Dialogs& dialogs);

// Reads the Info.xml of one package folder and appends a row per product;
// tells of a missing or damaged Info.xml.
void gmpInfoXmlLesen(const std::string& folder, GmapCatalogue& catalogue, Dialogs& dialogs);

// The folder a row's package lies in: the folder of its Info.xml.
std::string packageFolder(const GmapRow& row);

}  // namespace mapsetdesk
