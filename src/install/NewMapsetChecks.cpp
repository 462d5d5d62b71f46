#include "install/NewMapsetChecks.h"

#include <algorithm>
#include <string_view>

#include "catalogue/FidAllocation.h"
#include "catalogue/Registration.h"
#include "platform/FoundPath.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kNotInFileNames = "\\/:*?\"<>|";

NameFault characterFault(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code > 127) return NameFault::AboveAscii;
  if (code < 32 || kNotInFileNames.find(c) != std::string_view::npos)
    return NameFault::NotInFileNames;
  return NameFault::None;
}

bool isLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

NameCut cutAtForbiddenCharacter(const std::string& name) {
  for (std::size_t i = 0; i < name.size(); ++i)
    if (const NameFault fault = characterFault(name[i]); fault != NameFault::None)
      return {name.substr(0, i), fault};
  return {name, NameFault::None};
}

NameFault mapsetNameFault(const std::string& name) {
  if (name.empty()) return NameFault::Empty;
  if (const NameFault fault = cutAtForbiddenCharacter(name).fault; fault != NameFault::None)
    return fault;
  return std::any_of(name.begin(), name.end(), isLetterOrDigit) ? NameFault::None
                                                                : NameFault::NoLetterOrDigit;
}

int registeredNameCount(const std::string& name, const RegistryCatalogue& catalogue) {
  const std::string mapname = makeMapname(name);
  return static_cast<int>(
      std::count_if(catalogue.rows.begin(), catalogue.rows.end(), [&](const CatalogueRow& row) {
        return !row.cells.name.empty() && sameNameAnyCase(makeMapname(row.cells.name), mapname);
      }));
}

FidClash fidClash(const std::string& fidText, const RegistryCatalogue& catalogue,
                  const GmapCatalogue& packages) {
  const unsigned long fid = fidCellValue(fidText);
  for (const CatalogueRow& row : catalogue.rows)
    if (fidCellValue(row.cells.fid) == fid) return FidClash::Registered;
  for (const GmapRow& row : packages.rows)
    if (fidCellValue(row.fid) == fid) return FidClash::Package;
  return FidClash::None;
}

}  // namespace mapsetdesk
