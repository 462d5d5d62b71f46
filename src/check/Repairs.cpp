#include "check/Repairs.h"

#include <algorithm>

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

bool stillFound(const Finding& finding, const Findings& after) {
  return std::any_of(after.begin(), after.end(), [&](const Finding& now) {
    return now.kind == finding.kind && now.subject == finding.subject;
  });
}

}  // namespace

std::vector<RepairResult> repairAll(const HealthReport& report, RepairTools& tools) {
  std::vector<RepairResult> results;
  FreeFidRepair freeFids(report);
  for (const Finding& finding : report.findings)
    results.push_back(repairOne(report, finding, tools, freeFids));
  if (!tools.recheck) return results;
  const HealthReport after = tools.recheck();
  for (std::size_t i = 0; i < results.size(); ++i)
    if (results[i] == RepairResult::Repaired && stillFound(report.findings[i], after.findings))
      results[i] = RepairResult::Failed;
  return results;
}

}  // namespace mapsetdesk
