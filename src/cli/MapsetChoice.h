#pragma once
// How the editing and transfer commands name one installed mapset: its FID
// ("4321"), FID and PID ("4321:7"), its catalogue text ("gmap; Harz; FID:
// 4321;PID:1", the main window's list text) or its plain name (a package's
// name in Info.xml, a registration's name in its TDB). --registry or --gmap
// narrows the choice to one catalogue.
#include <optional>
#include <string>
#include <vector>

#include "cli/CatalogueReading.h"

namespace mapsetdesk::cli {

enum class MapsetKind { Any, Registry, Gmap };

// Exactly one of the two is set.
struct ChosenMapset {
  const CatalogueRow* registry = nullptr;
  const GmapRow* package = nullptr;
};

// The one mapset the choice names. When none or several match, nullopt after
// saying so on the error stream, several listed one row each as `list`
// prints them.
std::optional<ChosenMapset> chooseMapset(Context& context, const Catalogues& catalogues,
                                         const std::string& choice, MapsetKind kind);

}  // namespace mapsetdesk::cli
