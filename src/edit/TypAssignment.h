#pragma once
// Giving an installed mapset a TYP file, replacing it or taking it away. The
// chosen file is copied beside the mapset under a name made from the FID,
// with the FID written into the copy; a registration points to the copy with
// its TYP value, a gmap package with its Info.xml and Info_v2.xml. Each
// runs inside a change-history entry, which keeps every file before its
// first write and puts the files back when a write fails.
#include <cstddef>
#include <string>
#include <vector>

#include "app/messages/MessageCatalogue.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "edit/FileKeeping.h"
#include "history/JournaledAction.h"
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
  FileKeeping keepFile;       // the change history's
};

// What an assignment or removal came to.
struct TypResult {
  bool done = false;
  std::string failedWrite;           // the write that failed, after "close MapSource"
  std::vector<std::string> written;  // the files written before it
};

// The package's copy FID + ".Typ" beside Info.xml, named in Info.xml and
// Info_v2.xml.
TypResult assignPackageTyp(const TypSetting& setting, const GmapRow& row,
                           const std::string& typ);
// After the question: the TYP entries of Info.xml and Info_v2.xml taken
// out; the TYP file stays.
TypResult removePackageTyp(const TypSetting& setting, const GmapRow& row);

// The copy FID bytes + ".TYP" beside the TDB, the family key's ID and TYP. A
// registration below Products becomes a family registration on the way.
TypResult assignRegistryTyp(const TypSetting& setting, const RegistryCatalogue& catalogue,
                            std::size_t row, const std::string& typ);
// After the question: the TYP value deleted, the TYP file kept as ".bak".
TypResult removeRegistryTyp(const TypSetting& setting, const CatalogueRow& row);

// Once the entry has ended: a failed write's files are back (or, where the
// entry could not put them back, which were changed), said in the dialogs.
void tellTypPutBack(Dialogs& dialogs, bool german, const TypResult& result,
                    ActionOutcome outcome);

}  // namespace mapsetdesk
