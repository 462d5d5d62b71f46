#pragma once
// What the catalogue commands share: the registry base that the user's Wow64
// setting chooses, and both catalogues read below it as the main window
// reads them. Messages of the listing go to the error stream, so that the
// standard output holds the command's own lines only.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "cli/Commands.h"

namespace mapsetdesk::cli {

struct Catalogues {
  RegistryCatalogue registry;
  GmapCatalogue packages;
  std::vector<std::string> unreadable;  // see unreadableRegistration
};

// The registry base the Wow64 setting chooses; nullopt, after saying so on
// the error stream, while it is not set.
std::optional<std::string> registryBase(Context& context, Registry& registry);

// nullopt, after saying so on the error stream, while Wow64 is not set.
std::optional<Catalogues> readCatalogues(Context& context);

// One tab-separated row of `list`: a registered mapset, or a gmap product.
void printRegistryRow(std::ostream& out, const CatalogueRow& row);
void printGmapRow(std::ostream& out, const GmapRow& row);

}  // namespace mapsetdesk::cli
