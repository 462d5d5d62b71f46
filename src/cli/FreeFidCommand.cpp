#include <ostream>

#include "catalogue/FidAllocation.h"
#include "cli/CatalogueReading.h"

namespace mapsetdesk::cli {

int freeFid(Context& context) {
  if (!context.args.empty()) return usageError(context, "free-fid");
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto fid = FreieIdNr(catalogues->registry, catalogues->packages);
  if (!fid) {
    context.err << "free-fid: every FID from " << kFirstFreeFid << " to " << kLastFreeFid
                << " is used\n";
    return 1;
  }
  context.out << *fid << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
