#pragma once
// What a new installation would take over from an installed mapset: the
// files it writes beside the tiles, its gmap package folder, its family key.
// Every installation asks here before it writes anything; replacing an
// installed mapset is only ever a removal followed by an install.
#include <cstdint>
#include <optional>
#include <string>

#include "app/messages/InstallTexts.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct InstallClash {
  ClashKind kind = ClashKind::File;
  std::string what;    // the path or key path that is taken
  std::string mapset;  // the installed mapset it belongs to, as listed
};

struct InstalledMapsets {
  const RegistryCatalogue& registry;
  const GmapCatalogue& packages;
};

// A new installation from tiles: `Mapname`.tdb, .img, .mp and .mdx in the
// output folder against the files of every registration; the package folder
// against every package; the family key `Mapname` + FID below Families and
// FamiliesNT of both registry bases.
std::optional<InstallClash> newMapsetClash(Registry& registry, const InstalledMapsets& installed,
                                           const std::string& outputFolder,
                                           const std::string& mapname, std::uint16_t fid,
                                           const std::string& packageFolder);

// An existing TDB: the TDB against the registrations' TDBs, then the family
// key (registration) or the package folder (packageFolder not empty).
std::optional<InstallClash> existingMapsetClash(Registry& registry,
                                                const InstalledMapsets& installed,
                                                const std::string& tdb,
                                                const std::string& familyKeyName,
                                                const std::string& packageFolder);

// The first file or tile folder of a registration that lies in folder or
// below it: a folder that is to be emptied must not hold an installed
// mapset's files.
std::optional<InstallClash> registrationInside(const RegistryCatalogue& registry,
                                               const std::string& folder);

}  // namespace mapsetdesk
