#pragma once
// Removal of an installed mapset: a registration's keys together with the
// TDB and overview files it names, or a gmap package's whole folder. The map
// tiles of a registration stay where they are.
#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "platform/FolderOps.h"
#include "platform/Registry.h"

namespace mapsetdesk {

// A file of the removed registration that another listed mapset still names.
struct KeptFile {
  std::string file;
  std::string user;  // the other mapset as its list shows it
};

struct RegistrationRemoval {
  bool keyKept = false;  // the product key could not be deleted, so no file was either
  bool denied = false;  // a file could not be deleted; the keys are gone all the same
  std::vector<KeptFile> kept;
};

// Deletes the product key of catalogue row `row`, the family key when no
// product key is left below it, then the TDB and the overview, each only
// when it is a file that no other registration or package names. A product
// key that outlives its deletion keeps the files too, so the registration
// MapSource still shows never names missing files.
RegistrationRemoval removeRegistration(Registry& registry, FolderOps& folders,
                                       const std::string& base, const RegistryCatalogue& catalogue,
                                       std::size_t row, const GmapCatalogue& packages);

enum class PackageRemovalStatus {
  Removed,  // the folder is gone (or was gone already)
  Refused,  // the path names no package folder: nothing was deleted
  Failed,   // the deletion stopped; error tells why
};

struct PackageRemoval {
  PackageRemovalStatus status = PackageRemovalStatus::Removed;
  std::string folder;  // the folder of the Info.xml
  std::string error;
};

// Deletes the folder of the package whose Info.xml lies at infoXml, with
// everything in it, when infoXml names an Info.xml, that folder lies directly
// in one of the map folders, and its name ends in ".gmap" or it holds that
// Info.xml. Anything else is refused and nothing is deleted.
PackageRemoval removePackage(FolderOps& folders, const GmapFolders& mapFolders,
                             const std::string& infoXml);

}  // namespace mapsetdesk
