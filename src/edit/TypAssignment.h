#pragma once
// Giving an installed mapset a TYP file, replacing it or taking it away. The
// chosen file is copied beside the mapset under a name made from the FID,
// with the FID written into the copy; a registration points to the copy with
// its TYP value, a gmap package with its Info.xml and Info_v2.xml. Each
// function says whether the action completed.
#include <cstddef>
#include <string>

#include "app/messages/MessageCatalogue.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "edit/FileUndo.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/Sound.h"

namespace mapsetdesk {

struct TypSetting {
  Registry& registry;
  Dialogs& dialogs;
  Sound& sound;
  std::string programFolder;  // holds Success.wav
  std::string base;           // the registry base, vReg6432
  const MessageCatalogue& texts;
  FileKeeping keepFile = {};  // the change history's, when the edit goes into it
};

// The package's copy FID + ".Typ" beside Info.xml, named in Info.xml and
// Info_v2.xml.
bool assignPackageTyp(const TypSetting& setting, const GmapRow& row, const std::string& typ);
// After the question: the TYP entries of Info.xml and Info_v2.xml taken
// out; the TYP file stays.
bool removePackageTyp(const TypSetting& setting, const GmapRow& row);

// The copy FID bytes + ".TYP" beside the TDB, the family key's ID and TYP. A
// registration below Products becomes a family registration on the way.
bool assignRegistryTyp(const TypSetting& setting, const RegistryCatalogue& catalogue,
                       std::size_t row, const std::string& typ);
// After the question: the TYP value deleted, the TYP file kept as ".bak".
bool removeRegistryTyp(const TypSetting& setting, const CatalogueRow& row);

}  // namespace mapsetdesk
