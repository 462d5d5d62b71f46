#include <ostream>

#include "catalogue/CatalogueMessages.h"
#include "catalogue/FidAllocation.h"
#include "cli/CatalogueReading.h"

namespace mapsetdesk::cli {

int duplicates(Context& context) {
  if (!context.args.empty()) return usageError(context, "duplicates");
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  for (const std::string& fid : duplicateFids(catalogues->registry, catalogues->packages, [] {}))
    context.out << duplicateFidText(fid) << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
