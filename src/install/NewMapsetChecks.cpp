#include "install/NewMapsetChecks.h"

#include <string_view>

#include "catalogue/FidAllocation.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kNotInFileNames = "\\/:*?\"<>|";

bool forbidden(char c) {
  return static_cast<unsigned char>(c) > 127 || kNotInFileNames.find(c) != std::string_view::npos;
}

}  // namespace

NameCut cutAtForbiddenCharacter(const std::string& name) {
  for (std::size_t i = 0; i < name.size(); ++i)
    if (forbidden(name[i])) return {name.substr(0, i), true};
  return {name, false};
}

int registeredNameCount(const std::string& name, const RegistryCatalogue& catalogue) {
  int count = 0;
  for (const CatalogueRow& row : catalogue.rows)
    if (row.cells.name == name) ++count;
  return count;
}

std::optional<std::uint16_t> fidFromText(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  unsigned long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned long>(c - '0');
  }
  if (value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
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
