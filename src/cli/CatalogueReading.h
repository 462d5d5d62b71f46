#pragma once
// What the catalogue commands share: the registry base that the user's Wow64
// setting chooses, and both catalogues read below it as the main window
// reads them. Messages of the listing go to the error stream, so that the
// standard output holds the command's own lines only.
#include <iosfwd>
#include <nlohmann/json.hpp>
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

// The registry base the Wow64 setting chooses. While the setting is not
// set, what the system says is stored first, as the window's first start
// stores the user's answer, and said on the error stream; nullopt, after
// saying so, when the user's registry cannot be read or written.
std::optional<std::string> registryBase(Context& context, Registry& registry);

// nullopt, after saying so on the error stream, when there is no base.
std::optional<Catalogues> readCatalogues(Context& context);

// One mapset as `list` gives it: registrations and packages have the same
// fields, empty where a value does not apply.
struct MapsetRecord {
  std::string kind;  // "registration" or "gmap"
  std::string name;
  std::string fid;
  std::string pid;
  std::string root;
  std::string key;
  std::string tdb;
  std::string overview;
  std::string tileFolder;
  std::string typ;
  std::string index;
  std::string infoXml;
  std::string state;  // "ok" or the listing's broken mark
};
MapsetRecord recordOf(const CatalogueRow& row);
MapsetRecord recordOf(const GmapRow& row);

nlohmann::json toJson(const MapsetRecord& record);

// One tab-separated row of `list`.
void printRow(std::ostream& out, const MapsetRecord& record);
void printRegistryRow(std::ostream& out, const CatalogueRow& row);
void printGmapRow(std::ostream& out, const GmapRow& row);

}  // namespace mapsetdesk::cli
