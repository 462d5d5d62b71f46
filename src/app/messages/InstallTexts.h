#pragma once
// Texts of the installation's own checks beside the main window's catalogue:
// mapset names that cannot become file names, and clashes with what is
// installed. Both carry the title of the name check ("QUIRANEL").
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

// The name has no letter and no digit ("..", blanks).
std::string nameWithoutLetterText(Sprache sprache);
// The name holds a character that Windows keeps out of file names.
std::string nameNotInFileNamesText(Sprache sprache);

// What of an installed mapset a new installation would have taken over.
enum class ClashKind {
  File,           // a file the installed mapset's registration names
  PackageFolder,  // a gmap package folder
  FamilyKey,      // a family key of the registry
  RegisteredTdb,  // the TDB that is to be registered is an installed one's
};

// The refusal: what clashes (path or key), whose it is, and that nothing
// was changed.
std::string clashText(Sprache sprache, ClashKind kind, const std::string& what,
                      const std::string& mapset);

}  // namespace mapsetdesk
