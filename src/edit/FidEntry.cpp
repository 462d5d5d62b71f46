#include "edit/FidEntry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/Blanks.h"

namespace mapsetdesk {
namespace {

double numberOf(std::string_view text) {
  std::string number(trimBlanks(text));
  std::replace(number.begin(), number.end(), ',', '.');
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

bool isFidNumber(std::string_view text) {
  std::string_view number = trimBlanks(text);
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) number.remove_prefix(1);
  bool digits = false;
  bool separator = false;
  for (const char c : number) {
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
    } else {
      return false;
    }
  }
  return digits;
}

FidEntry readFidEntry(std::string_view typed) {
  if (!isFidNumber(typed)) return {};
  const double number = numberOf(typed);
  if (number > kHighestEnteredFid) return {"0", true, false};
  const double value = std::floor(number);
  return {std::to_string(static_cast<long>(value)), false, value > 0};
}

bool isFidInUse(const std::string& fid, const RegistryCatalogue& registry,
                const GmapCatalogue& packages) {
  return std::any_of(packages.rows.begin(), packages.rows.end(),
                     [&](const GmapRow& row) { return row.fid == fid; }) ||
         std::any_of(registry.rows.begin(), registry.rows.end(),
                     [&](const CatalogueRow& row) { return row.cells.fid == fid; });
}

}  // namespace mapsetdesk
