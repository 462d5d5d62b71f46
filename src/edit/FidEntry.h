#pragma once
// The new-FID field of the FID changer: what it keeps of what was typed, and
// whether the typed FID is already used by a listed mapset.
#include <string>
#include <string_view>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"

namespace mapsetdesk {

// A FID above this does not fit two bytes; the field then holds "0".
inline constexpr long kHighestEnteredFid = 65535;

struct FidEntry {
  std::string text;        // what the field holds afterwards
  bool tooBig = false;     // the "FID to big" message is due
  bool changeable = false; // the change button is enabled: a FID above 0
};

// Not a number: cleared. Above 65535: "0". Otherwise the integer part of the
// number, so "12.7" becomes "12".
FidEntry readFidEntry(std::string_view typed);

// A decimal number, blanks around it, a sign and a fraction after "." or ","
// allowed.
bool isFidNumber(std::string_view text);

// Compared as text with the packages' FIDs, then the registered mapsets'.
bool isFidInUse(const std::string& fid, const RegistryCatalogue& registry,
                const GmapCatalogue& packages);

}  // namespace mapsetdesk
