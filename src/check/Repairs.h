#pragma once
// The repairs of the health check's findings, each through the code the
// editing actions use, with their backups: a TDB is kept as its name +
// "-BAK" and a TYP file as its name + ".bak" before either changes.
#include <functional>
#include <string>
#include <vector>

#include "check/HealthCheck.h"
#include "formats/TdbMessages.h"
#include "platform/Dialogs.h"
#include "platform/FolderOps.h"
#include "platform/Registry.h"

namespace mapsetdesk {

enum class RepairResult {
  Repaired,
  NotRepairable,  // the finding has no repair
  Declined,       // the removal was not confirmed
  Failed,
};

struct RepairTools {
  Registry& registry;
  Dialogs& dialogs;
  FolderOps& folders;
  std::string base;
  TdbTexts tdbTexts;
  // Asked before a registration whose TDB and tile folder are gone is removed.
  std::function<bool(const Finding&)> confirmRemoval;
  // The check run again after the repairs: a repair whose finding is still
  // there did not mend it.
  std::function<HealthReport()> recheck;
};

// One result per finding of the report, in its order. A mapset that two
// findings would give a free FID gets one. Repaired only where the recheck
// no longer finds it.
std::vector<RepairResult> repairAll(const HealthReport& report, RepairTools& tools);

}  // namespace mapsetdesk
