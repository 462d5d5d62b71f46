#include "check/HealthCheck.h"

#include <algorithm>

#include "catalogue/FidAllocation.h"
#include "catalogue/RegistryAccess.h"
#include "check/BaseFindings.h"
#include "check/DuplicateFindings.h"
#include "check/PackageFindings.h"
#include "check/RegistrationFindings.h"

namespace mapsetdesk {
namespace {

void checkRegistryAccess(Registry& registry, const std::string& base, Findings& findings) {
  for (const std::string& place : unreadableRegistration(registry, base)) {
    Finding finding;
    finding.kind = FindingKind::RegistryUnreadable;
    finding.subject = place;
    findings.push_back(finding);
  }
}

bool usedByAnother(const HealthReport& report, const Finding& finding) {
  const auto key = duplicateKey(std::to_string(finding.fid), finding.mapset.pid);
  for (std::size_t row = 0; row < report.registry.rows.size(); ++row) {
    const CatalogueRow& other = report.registry.rows[row];
    if (row != finding.registryRow && duplicateKey(other.cells.fid, other.cells.pid) == key)
      return true;
  }
  return std::any_of(report.packages.rows.begin(), report.packages.rows.end(),
                     [&key](const GmapRow& row) { return duplicateKey(row.fid, row.pid) == key; });
}

// A FID 0 takes the family key's ID only where no other mapset uses it;
// else it takes a free one, as a duplicate does.
void planFidZero(HealthReport& report) {
  for (Finding& finding : report.findings)
    if (finding.repair == RepairKind::TdbFid && usedByAnother(report, finding))
      finding.repair = RepairKind::FreeFid;
}

}  // namespace

HealthReport checkInstallation(Registry& registry, Dialogs& dialogs, const CheckPlace& place) {
  HealthReport report;
  checkRegistryAccess(registry, place.base, report.findings);
  report.registry = TDBlesen(registry, dialogs, place.base, place.fehler25);
  const auto extraKeys = checkRegisteredTwice(report.registry, report.findings);
  for (std::size_t row = 0; row < report.registry.rows.size(); ++row)
    if (!extraKeys.count(row)) checkRegistration(registry, report.registry, row, report.findings);
  report.packages = checkPackages(place.mapFolders, report.findings);
  checkDuplicates(report.registry, report.packages, extraKeys, report.findings);
  checkUnusedBases(registry, place.base, place.unusedBases, report.registry, report.packages,
                   report.findings);
  planFidZero(report);
  return report;
}

bool hasRepairable(const HealthReport& report) {
  return std::any_of(report.findings.begin(), report.findings.end(),
                     [](const Finding& finding) { return finding.repair != RepairKind::None; });
}

}  // namespace mapsetdesk
