#pragma once
// Renaming an installed mapset: the name in its TDB, and for a gmap package
// the product's Name elements in its Info.xml. No registry value changes;
// the catalogue reads the new name from the TDB. Everything is checked
// before the first write, and a failed write puts back what was written.
#include <string>
#include <string_view>

#include "app/messages/MessageCatalogue.h"
#include "catalogue/GmapCatalogue.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

struct RenameSetting {
  Dialogs& dialogs;
  const MessageCatalogue& texts;
};

// The TDB renamed with its backup and messages; an empty name, and a file
// that could not be read, backed up or written, is reported. True when the
// name was changed.
bool renameRegisteredMapset(const RenameSetting& setting, const std::string& tdb,
                            const std::string& newName);

// Info.xml's Name elements of the product (productName is its current
// name), then the package's TDB. Both are read and renamed in memory first;
// a TDB that cannot be written after Info.xml was puts Info.xml back.
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
