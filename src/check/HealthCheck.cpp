#include "check/HealthCheck.h"

#include <algorithm>

#include "check/BaseFindings.h"
#include "check/DuplicateFindings.h"
#include "check/PackageFindings.h"
#include "check/RegistrationFindings.h"

namespace mapsetdesk {

HealthReport checkInstallation(Registry& registry, Dialogs& dialogs, const CheckPlace& place) {
  HealthReport report;
  report.registry = TDBlesen(registry, dialogs, place.base, place.fehler25);
  for (std::size_t row = 0; row < report.registry.rows.size(); ++row)
    checkRegistration(registry, report.registry, row, report.findings);
  report.packages = checkPackages(place.mapFolders, report.findings);
  checkDuplicates(report.registry, report.packages, report.findings);
  checkUnusedBases(registry, place.base, place.unusedBases, report.findings);
  return report;
}

bool hasRepairable(const HealthReport& report) {
  return std::any_of(report.findings.begin(), report.findings.end(),
                     [](const Finding& finding) { return finding.repair != RepairKind::None; });
}

}  // namespace mapsetdesk
