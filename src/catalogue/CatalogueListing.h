#pragma once
// The listing of registered mapsets: one row per product key below the
// Products, Families and FamiliesNT roots, judged by the files its values
// name, named from its TDB header, and sorted by the text the removal list
// shows. The main window shows each field of the rows in a list of its own.
#include <string>
#include <vector>

#include "catalogue/Registration.h"
#include "platform/FoundPath.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct CatalogueRow {
  CatalogueEntry entry;  // the registry's values; name, FID and PID from the TDB
  EntryState state = EntryState::TdbMissing;
  EntryCells cells;  // ListLoeschen and ListMapsetName, ListID, ListPID
};

struct RegistryCatalogue {
  std::vector<CatalogueRow> rows;
  // ListHauptschluessel: the family key names below Families, then those
  // below FamiliesNT.
  std::vector<std::string> familyNames;
  int productsSeen = 0;   // `vZaehler`: subkeys seen below Products
  int familyEntries = 0;  // `ZaeSubKeyFamilies`: entries found below Families
};

// The whole listing below the registry base: the Products pass, the Families
// pass, the FamiliesNT pass, the header pass and the sort. A product key
// whose TDB value holds no text is left out with the message fehler25
// followed by the key's path; the keys after it are listed all the same, so
// their FIDs still count as taken.
RegistryCatalogue TDBlesen(Registry& registry, Dialogs& dialogs, const std::string& base,
                           const std::string& fehler25);

// The header pass for one entry: the TDB is checked, its header read, then
// the overview checked. A listing of many entries passes one FoundPaths, so
// each folder is listed once.
CatalogueRow catalogueRow(CatalogueEntry entry, FoundPaths& paths);
CatalogueRow catalogueRow(CatalogueEntry entry);

// Ascending by the display text, compared by character codes; rows with
// equal text keep their order.
void ListenSortieren(std::vector<CatalogueRow>& rows);

}  // namespace mapsetdesk
