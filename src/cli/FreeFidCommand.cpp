#include <memory>
#include <ostream>

#include "catalogue/FidAllocation.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"

namespace mapsetdesk::cli {
namespace {

int freeFid(Context& context, bool json) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto fid = FreieIdNr(catalogues->registry, catalogues->packages);
  if (!fid) {
    context.err << context.texts().everyFidUsed << kFirstFreeFid << " - " << kLastFreeFid << '\n';
    return 1;
  }
  if (json) printJson(context.out, {{"fid", *fid}});
  else context.out << *fid << '\n';
  return 0;
}

}  // namespace

void addFreeFid(CommandLine& commandLine) {
  auto json = std::make_shared<bool>(false);
  CLI::App& command =
      commandLine.add("free-fid", [json](Context& context) { return freeFid(context, *json); });
  commandLine.json(command, *json);
}

}  // namespace mapsetdesk::cli
