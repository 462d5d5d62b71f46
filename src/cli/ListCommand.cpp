#include <initializer_list>
#include <ostream>
#include <string>

#include "cli/CatalogueReading.h"

namespace mapsetdesk::cli {
namespace {

void printRow(std::ostream& out, std::initializer_list<std::string> cells) {
  const char* separator = "";
  for (const std::string& cell : cells) {
    out << separator << cell;
    separator = "\t";
  }
  out << '\n';
}

}  // namespace

int list(Context& context) {
  if (!context.args.empty()) return usageError(context, "list");
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  for (const CatalogueRow& row : catalogues->registry.rows) {
    const CatalogueEntry& entry = row.entry;
    printRow(context.out,
             {row.cells.name, row.cells.fid, row.cells.pid, rootLabel(entry.root), entry.subkeyPath,
              entry.tdb, entry.overview, entry.tileFolder, entry.typ});
  }
  for (const GmapRow& row : catalogues->packages.rows)
    printRow(context.out, {row.display, row.infoXml, row.fid, row.pid, row.tdb, row.index});
  return 0;
}

}  // namespace mapsetdesk::cli
