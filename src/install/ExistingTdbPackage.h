#pragma once
// `gmapTDBvorhandenErzeugen`: a gmap package from an existing mapset, with
// its index, MDR and TYP files, the product folder named by its PID and the
// tiles its TDB names, each unpacked into a folder of its own.
#include <functional>
#include <string>
#include <vector>

#include "install/ExistingTdb.h"
#include "platform/ToolRunner.h"

namespace mapsetdesk {

struct PackageRun {
  ToolRunner& runner;
  std::string programFolder;
  std::string mapsFolder;  // GARMIN\Maps of all users
  // A line for the running report.
  std::function<void(const std::string&)> report = [](const std::string&) {};
  std::function<void()> letEventsRun = [] {};
};

struct PackageBuilt {
  std::string folder;  // the package folder
  int tileBlocks = 0;  // tile blocks found in the TDB
  // Tile files the TDB names that the tile folder lacks; when there are any,
  // what this run added is gone again.
  std::vector<std::string> missingTiles;
  bool infoXmlWritten = true;
};

// The package's name: blank, "/" and "\" as "_", the accented forms of A, O
// and U as the plain capital ("Karte Süd" gives "Karte_SUd").
std::string existingPackageName(const std::string& mapsetName);
// mapsFolder + the package name as a file name + ".gmap".
std::string existingPackageFolder(const std::string& mapsFolder, const std::string& mapsetName);

// Builds the package "<name>.gmap" in run.mapsFolder from the files of
// mapset that exist. A package that was there before keeps its earlier
// folders; when a tile is missing, a package this run made is deleted, and
// one that was there before loses only what this run added and gets its
// former Info.xml back.
PackageBuilt gmapTDBvorhandenErzeugen(const ExistingMapset& mapset, const PackageRun& run);

}  // namespace mapsetdesk
