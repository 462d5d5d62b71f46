#pragma once
// The names a TDB gives its mapset beyond the one the catalogue shows: the
// family's name after the series name in the header block, and the
// overview's description, which names the area the tiles cover.
#include <optional>
#include <string>
#include <string_view>

namespace mapsetdesk {

struct TdbNames {
  std::string seriesName;  // Windows-1252
  std::string familyName;
  std::string areaName;  // empty when the TDB has no overview block
};

// nullopt when the header block is damaged.
std::optional<TdbNames> readTdbNames(std::string_view file);

}  // namespace mapsetdesk
