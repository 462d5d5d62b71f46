#pragma once
// The repairs of the health check's findings, each through the code the
// editing actions use, with their backups: a TDB is kept as its name +
// "-BAK", a TYP file or Info.xml as its name + ".bak" before either changes
// (a number follows where that name is taken), and the keys of a removed
// registration as a .reg file. A repair whose writes fail puts back what it
// changed, through the change history; none counts as done before every
// write read back as written and the history marked it complete.
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

struct RepairOutcome {
  RepairResult result = RepairResult::NotRepairable;
  std::string backup;     // the copy of the changed file or of the removed keys
  std::string failedAt;   // the file or key a failed repair stopped at
  bool putBack = false;   // a failed repair put back everything it had changed
  bool operator==(const RepairOutcome&) const = default;
};

inline RepairOutcome outcomeOf(RepairResult result) {
  RepairOutcome outcome;
  outcome.result = result;
  return outcome;
}

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
  // Where the keys of a removed registration are saved first.
  std::string keyBackupFolder;
  // The change history each repair goes into, one entry a repair, so that
  // a failed one is put back and a finished one can be undone.
  std::string journalFolder;
  // Declares a file to the entry before the repair writes it.
  std::function<bool(const std::string&)> keepFile = {};
};

// The folder for the keys of removed registrations, below the user's local
// application data.
std::string keyBackupFolderOf(const std::string& localAppData);

// One result per finding of the report, in its order. A mapset that two
// findings would give a free FID gets one. Repaired only where the recheck
// no longer finds it.
std::vector<RepairOutcome> repairAll(const HealthReport& report, RepairTools& tools);

}  // namespace mapsetdesk
