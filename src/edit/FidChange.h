#pragma once
// Gives one installed mapset a new family ID: every place that stores the old
// one is rewritten (TDB header with its checksum, index records, TYP file,
// and the registration's values or the package's Info.xml files). It runs
// inside a change-history entry: every file is handed to the entry before
// the first write, and a change that cannot finish is put back by it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "edit/FileKeeping.h"
#include "formats/TdbMessages.h"
#include "history/JournaledAction.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace mapsetdesk {

enum class FidChangeStop {
  None,        // every step ran
  TypClash,    // the TYP copy's name is another mapset's TYP: nothing was changed
  MapMissing,  // the TDB is not there: nothing was changed
  FileFailed,  // a file could not be read or written (or the TYP file is none); see stoppedAt
};

struct FidChangeResult {
  FidChangeStop stop = FidChangeStop::None;
  std::string stoppedAt;             // the file the change stopped at
  // The files rewritten, in the order of writing; after a FileFailed stop
  // and the entry's put-back (see afterJournal), those still not back.
  std::vector<std::string> changed;
  std::string typCopy;               // a registered mapset's new TYP file, when made
};

// A registered mapset (a catalogue row of this registry): TDB and checksum,
// a TYP copy named from the FID bytes with the family key's "TYP" pointing
// to it, the family key's "ID", the index file that "IDX" names. A mapset
// of the older Products layout has no family key, so only its TDB changes.
// catalogue: the listing the row comes from, for the TYP clash check.
FidChangeResult changeRegisteredFid(Registry& registry, const CatalogueRow& row,
                                    const RegistryCatalogue& catalogue, std::uint16_t fid,
                                    Dialogs& dialogs, const TdbTexts& texts,
                                    const FileKeeping& keepFile);

// The TYP file name the package's Info.xml names, when it names one that
// is a plain name inside the package.
std::optional<std::string> packageTypName(const std::string& infoXml);

// A gmap package product: TDB and checksum, index file, the first
// "<ID>old</ID>" of Info_v2.xml and Info.xml, and the TYP file Info.xml
// names, in place. keepFile, in both: the entry's.
FidChangeResult changePackageFid(const GmapRow& row, std::uint16_t fid, Dialogs& dialogs,
                                 const TdbTexts& texts, const FileKeeping& keepFile);

// The result of a change once its entry has ended: a stopped change whose
// files the entry put back has changed nothing.
FidChangeResult afterJournal(FidChangeResult result, ActionOutcome outcome);

}  // namespace mapsetdesk
