#pragma once
// Free family IDs for a new mapset or a FID change, and the warning about
// FID/PID pairs used twice: MapSource shows only one of two mapsets with the
// same family and product ID. Both read the catalogue rows, the registered
// mapsets' FIDs from their TDB headers and the packages' from Info.xml.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

inline constexpr std::uint16_t kFirstFreeFid = 10;
inline constexpr std::uint16_t kLastFreeFid = 9999;

// The number a FID cell stands for: the digits after leading blanks, 0 when
// there are none ("Fehler" is 0, " 10" is 10, "0123" is 123).
unsigned long fidCellValue(std::string_view cell);

// What two rows share when they are duplicates: the FID as a number and the
// PID as text; none for a FID cell that is not a number.
std::optional<std::string> duplicateKey(std::string_view fid, const std::string& pid);

// The lowest FID from 10 to 9999 that no registered mapset and no package
// uses and that no family key named as a new installation names its key
// (`Mapname` + FID) holds; none when every one of them is used.
std::optional<std::uint16_t> FreieIdNr(const RegistryCatalogue& catalogue,
                                       const GmapCatalogue& packages);

// The FID text of every pair of rows with equal FID (as numbers) and equal
// PID (as texts): registry rows among themselves, registry rows against
// packages, packages among themselves, each pair once. Rows whose FID is not
// a number take no part. betweenRows runs after each row is compared.
std::vector<std::string> duplicateFids(const RegistryCatalogue& catalogue,
                                       const GmapCatalogue& packages,
                                       const std::function<void()>& betweenRows);

// Shows "FID ... ist doppelt." for every duplicate pair; changes nothing.
void DoppelteFID(const RegistryCatalogue& catalogue, const GmapCatalogue& packages,
                 Dialogs& dialogs, const std::function<void()>& letEventsRun);

}  // namespace mapsetdesk
