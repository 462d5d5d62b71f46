#include <ostream>

#include "cli/CatalogueReading.h"

namespace mapsetdesk::cli {

int list(Context& context) {
  if (!context.args.empty()) return usageError(context, "list");
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  for (const CatalogueRow& row : catalogues->registry.rows) printRegistryRow(context.out, row);
  for (const GmapRow& row : catalogues->packages.rows) printGmapRow(context.out, row);
  for (const std::string& place : catalogues->unreadable)
    context.err << "cannot be read: " << place << '\n';
  return catalogues->unreadable.empty() ? 0 : 1;
}

}  // namespace mapsetdesk::cli
