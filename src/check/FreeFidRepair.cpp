#include "check/FreeFidRepair.h"

#include "catalogue/FidAllocation.h"
#include "edit/FidChange.h"

namespace mapsetdesk {

FreeFidRepair::FreeFidRepair(const HealthReport& report)
    : report_(report), taken_(report.registry) {}

std::optional<std::uint16_t> FreeFidRepair::nextFreeFid() {
  const auto fid = FreieIdNr(taken_, report_.packages);
  if (!fid) return std::nullopt;
  CatalogueRow handedOut;
  handedOut.cells.fid = std::to_string(*fid);
  taken_.rows.push_back(handedOut);
  return fid;
}

RepairResult FreeFidRepair::repair(const Finding& finding, RepairTools& tools) {
  const bool package = finding.packageRow.has_value();
  const std::size_t row = package ? *finding.packageRow : finding.registryRow.value_or(0);
  if (!package && !finding.registryRow) return RepairResult::NotRepairable;
  if (!changed_.insert({package, row}).second) return RepairResult::Repaired;
  const auto fid = nextFreeFid();
  if (!fid) return RepairResult::Failed;
  const FidChangeResult result =
      package ? changePackageFid(report_.packages.rows[row], *fid, tools.dialogs, tools.tdbTexts)
              : changeRegisteredFid(tools.registry, report_.registry.rows[row], report_.registry,
                                    *fid, tools.dialogs, tools.tdbTexts);
  return result.stop == FidChangeStop::None ? RepairResult::Repaired : RepairResult::Failed;
}

}  // namespace mapsetdesk
