#include "check/Repairs.h"

#include "catalogue/MapsetRemoval.h"
#include "check/FileRepairs.h"
#include "check/FreeFidRepair.h"
#include "check/RegistryRepairs.h"

namespace mapsetdesk {
namespace {

RepairResult outcome(bool done) { return done ? RepairResult::Repaired : RepairResult::Failed; }

RepairResult removeOrphan(const HealthReport& report, const Finding& finding, RepairTools& tools) {
  if (!tools.confirmRemoval(finding)) return RepairResult::Declined;
  const RegistrationRemoval removal = removeRegistration(
      tools.registry, tools.folders, tools.base, report.registry, *finding.registryRow,
      report.packages);
  return outcome(!removal.keyKept);
}

RepairResult repairOne(const HealthReport& report, const Finding& finding, RepairTools& tools,
                       FreeFidRepair& freeFids) {
  switch (finding.repair) {
    case RepairKind::Checksum:
      return outcome(renewChecksum(finding.file, tools.dialogs, tools.tdbTexts));
    case RepairKind::TypFid:
      return outcome(setTypFid(finding.file, finding.fid));
    case RepairKind::IndexFid:
      return outcome(setIndexFid(finding.file, finding.fid));
    case RepairKind::RegistryId:
      return outcome(setRegistryId(tools.registry, finding.key, finding.fid));
    case RepairKind::MoveToBase:
      return outcome(moveKey(tools.registry, finding.key, finding.target));
    case RepairKind::RemoveRegistration:
      return removeOrphan(report, finding, tools);
    case RepairKind::FreeFid:
      return freeFids.repair(finding, tools);
    case RepairKind::None:
      break;
  }
  return RepairResult::NotRepairable;
}

}  // namespace

std::vector<RepairResult> repairAll(const HealthReport& report, RepairTools& tools) {
  std::vector<RepairResult> results;
  FreeFidRepair freeFids(report);
  for (const Finding& finding : report.findings)
    results.push_back(repairOne(report, finding, tools, freeFids));
  return results;
}

}  // namespace mapsetdesk
