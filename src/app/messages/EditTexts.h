#pragma once
// The texts of an edit (rename, TYP assignment, FID change) that stopped
// before it was done, and of the inputs it refuses.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct EditTexts {
  std::string undone;       // followed by the file that could not be written
  std::string notATyp;      // followed by the chosen file
  std::string familyTaken;  // followed by the family key
  std::string tdbUnusable;  // followed by the TDB
};

EditTexts editTexts(Sprache sprache);

}  // namespace mapsetdesk
