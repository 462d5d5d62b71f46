#pragma once
// `gmapTDBvorhandenErzeugen`: a gmap package from an existing mapset, with
// its index, MDR and TYP files, the product folder named by its PID and the
// tiles its TDB names, each unpacked into a folder of its own.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/messages/MessageCatalogue.h"
#include "install/ExistingTdb.h"
#include "platform/FileReplace.h"
#include "platform/ToolRunner.h"

namespace mapsetdesk {

// Copies from over the file to; false when to is not a whole copy afterwards.
bool copyFileOver(const std::string& from, const std::string& to);

struct PackageRun {
  ToolRunner& runner;
  std::string programFolder;
  std::string mapsFolder;  // GARMIN\Maps of all users
  // A line for the running report.
  std::function<void(const std::string&)> report = [](const std::string&) {};
  std::function<void()> letEventsRun = [] {};
  // The file writes of the package, each of which can fail.
  std::function<bool(const std::string& from, const std::string& to)> copyFile = copyFileOver;
  std::function<bool(const std::string& path, std::string_view content)> writeFile =
      [](const std::string& path, std::string_view content) { return replaceFile(path, content); };
};

// Where the run stopped. The checks before the first write leave everything
// as it was; a step that fails after it takes the package folder away again.
enum class PackageStep {
  Complete,
  FolderExists,         // a file or folder of the package's name is there
  TdbUnreadable,        // the TDB cannot be read or its blocks are damaged
  OverviewUnreadable,   // the overview is no IMG container
  TilesMissing,         // tile files the TDB names are not in the tile folder
  TileUnreadable,       // a tile file is no IMG container
  FolderNotMade,
  IndexNotCopied,
  MdrNotUnpacked,
  TypNotCopied,
  OverviewNotUnpacked,
  TdbNotCopied,
  TileNotUnpacked,
  InfoXmlNotWritten,
};

struct PackageBuilt {
  std::string folder;  // the package folder
  int tileBlocks = 0;  // tile blocks found in the TDB
  PackageStep step = PackageStep::Complete;
  std::string failedPath;  // the file or folder the failed step was about
  // Tile files the TDB names that the tile folder lacks.
  std::vector<std::string> missingTiles;
  bool complete() const { return step == PackageStep::Complete; }
};

// The package's name: blank, "/" and "\" as "_", the accented forms of A, O
// and U as the plain capital ("Karte Süd" gives "Karte_SUd").
std::string existingPackageName(const std::string& mapsetName);
// mapsFolder + the package name as a file name + ".gmap".
std::string existingPackageFolder(const std::string& mapsFolder, const std::string& mapsetName);

// Builds the package "<name>.gmap" in run.mapsFolder from the files of
// mapset that exist. The package is made whole or not at all: the TDB, the
// overview and every tile the TDB names are checked before anything is
// written, an existing package of that name is never touched, and a step
// that fails later removes the package folder again.
PackageBuilt gmapTDBvorhandenErzeugen(const ExistingMapset& mapset, const PackageRun& run);
// The checks alone, which write nothing: complete() when the package can be made.
PackageBuilt checkExistingPackage(const ExistingMapset& mapset, const std::string& mapsFolder);

// What the person is told about a package that was not made, in the
// catalogue's language: which file kept it from being made, or which step
// failed and that what it had made is gone again.
std::string packageFailureText(const PackageBuilt& built, const MessageCatalogue& catalogue);

}  // namespace mapsetdesk
