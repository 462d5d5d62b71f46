#include <memory>
#include <ostream>

#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"

namespace mapsetdesk::cli {
namespace {

std::vector<MapsetRecord> records(const Catalogues& catalogues) {
  std::vector<MapsetRecord> all;
  for (const CatalogueRow& row : catalogues.registry.rows) all.push_back(recordOf(row));
  for (const GmapRow& row : catalogues.packages.rows) all.push_back(recordOf(row));
  return all;
}

int list(Context& context, bool json) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  if (json) {
    nlohmann::json entries = nlohmann::json::array();
    for (const MapsetRecord& record : records(*catalogues)) entries.push_back(toJson(record));
    printJson(context.out, entries);
  } else {
    for (const MapsetRecord& record : records(*catalogues)) printRow(context.out, record);
  }
  for (const std::string& place : catalogues->unreadable)
    context.err << context.texts().cannotBeRead << place << '\n';
  return catalogues->unreadable.empty() ? 0 : 1;
}

}  // namespace

void addList(CommandLine& commandLine) {
  auto json = std::make_shared<bool>(false);
  CLI::App& command =
      commandLine.add("list", [json](Context& context) { return list(context, *json); });
  commandLine.json(command, *json);
}

}  // namespace mapsetdesk::cli
