#pragma once
// Renaming an installed mapset: the name in its TDB, and for a gmap package
// first every occurrence of the product name in its Info.xml. No registry
// value changes; the catalogue reads the new name from the TDB.
#include <string>
#include <string_view>

#include "catalogue/GmapCatalogue.h"
#include "formats/TdbMessages.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

struct RenameSetting {
  Dialogs& dialogs;
  const TdbTexts& texts;
  bool german = true;
};

// The TDB renamed with its backup and messages; a file that could not be
// read, backed up or written is reported. True when the name was changed.
bool renameRegisteredMapset(const RenameSetting& setting, const std::string& tdb,
                            const std::string& newName);

// Info.xml first (every occurrence of productName, exact), then the
// package's TDB. An Info.xml that cannot be read or written stops the
// rename before the TDB; a TDB that fails after Info.xml changed is reported
// with Info.xml named as already changed.
bool renameGmapProduct(const RenameSetting& setting, const GmapRow& row,
                       const std::string& productName, const std::string& newName);

// The product name in a gmap list entry: between the first "; " and "; FID".
std::string gmapEntryName(std::string_view entry);

// The name field's rule: the text up to its first character outside ASCII.
struct NameCheck {
  std::string name;
  bool cut = false;  // a character outside ASCII was found
};
NameCheck cutAtSpecialCharacter(std::string_view name);
std::string withoutLeadingBlanks(std::string_view name);

}  // namespace mapsetdesk
