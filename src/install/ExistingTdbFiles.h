#pragma once
// The file patches that make an existing mapset's files agree with the IDs
// of the registration window before it is registered or packaged: the IDs and
// the name into the TDB, a TYP copy carrying the FID, the FID into every
// record of the index file.
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "formats/TdbMessages.h"
#include "install/ExistingTdb.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

enum class FilesOutcome {
  Patched,
  TypClash,        // the TYP copy's name is another listed mapset's TYP: nothing changed
  TypNotCopied,    // the TYP copy could not be written; TDB and index are patched
};

struct ExistingFilesPatched {
  FilesOutcome outcome = FilesOutcome::Patched;
  std::string typCopy;  // path of the TYP copy; empty when there is none
};

// The TYP copy beside the TDB: the FID's low byte and high byte in decimal +
// ".Typ" (FID 1234 gives 2104.Typ).
std::string typCopyPath(const ExistingMapset& mapset);

// Whether path is the TYP of a registered mapset whose family key is not
// familyKeyName (a re-registration may replace its own TYP copy).
bool isTypOfAnotherMapset(const RegistryCatalogue& catalogue, const std::string& path,
                          const std::string& familyKeyName);

// Every file patchExistingFiles may write: the TDB, its backup, the TYP
// copy and the index.
std::vector<std::string> existingFilesPatched(const ExistingMapset& mapset);

// Patches what exists of TDB, TYP and index: PID and FID into the TDB, then
// its name (quietly, with the backup message), the TYP copy, the index
// records. The TYP clash is checked before anything is written.
ExistingFilesPatched patchExistingFiles(const ExistingMapset& mapset,
                                        const RegistryCatalogue& catalogue, Dialogs& dialogs,
                                        const TdbTexts& texts);

}  // namespace mapsetdesk
