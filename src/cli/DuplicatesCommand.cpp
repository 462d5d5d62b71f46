#include <memory>
#include <ostream>

#include "catalogue/FidAllocation.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"

namespace mapsetdesk::cli {
namespace {

// The mapsets that carry the FID, for the pair's JSON entry.
nlohmann::json mapsetsWith(const Catalogues& catalogues, const std::string& fid) {
  nlohmann::json found = nlohmann::json::array();
  for (const CatalogueRow& row : catalogues.registry.rows)
    if (row.cells.fid == fid) found.push_back(toJson(recordOf(row)));
  for (const GmapRow& row : catalogues.packages.rows)
    if (row.fid == fid) found.push_back(toJson(recordOf(row)));
  return found;
}

// One FID per pair of mapsets that share FID and PID.
int duplicates(Context& context, bool json) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const std::vector<std::string> fids =
      duplicateFids(catalogues->registry, catalogues->packages, [] {});
  if (!json) {
    for (const std::string& fid : fids) context.out << fid << '\n';
    return 0;
  }
  nlohmann::json pairs = nlohmann::json::array();
  for (const std::string& fid : fids)
    pairs.push_back({{"fid", fid}, {"mapsets", mapsetsWith(*catalogues, fid)}});
  printJson(context.out, pairs);
  return 0;
}

}  // namespace

void addDuplicates(CommandLine& commandLine) {
  auto json = std::make_shared<bool>(false);
  CLI::App& command = commandLine.add(
      "duplicates", [json](Context& context) { return duplicates(context, *json); });
  commandLine.json(command, *json);
}

}  // namespace mapsetdesk::cli
