#pragma once
// The messages of the TDB operations (rename, checksum) in one language, for
// every window that renames or re-checksums a TDB.
#include "app/messages/CatalogueTexts.h"
#include "formats/TdbMessages.h"

namespace mapsetdesk {

TdbTexts tdbTexts(Sprache sprache);

}  // namespace mapsetdesk
