#pragma once
// The Polish-format source text of an overview map, as gmt and the built-in
// gmt write it: an [IMG ID] section with the map's number, name, code page
// and levels, then [POLYGON] and [POLYLINE] sections with Type, Label,
// EndLevel and Data0..n. Every other section or line is refused with a note
// naming its line; header keys the map does not need are ignored with a note.
// The top level of a map of several levels stays empty, as in every Garmin
// map: EndLevel reaches the level below it at most.
#include <string_view>
#include <vector>

#include "formats/OverviewMap.h"

namespace mapsetdesk {

inline constexpr int kMaxMapLevels = 10;

struct PolishParse {
  OverviewMap map;
  std::vector<MapNote> notes;
  bool refused() const;
};

// The text in the source's own code page; bytes of labels and the name are
// kept as they stand.
PolishParse parsePolishSource(std::string_view text);

}  // namespace mapsetdesk
