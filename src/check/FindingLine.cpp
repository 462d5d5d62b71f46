#include "check/FindingLine.h"

namespace mapsetdesk {

static_assert(sizeof CheckTexts::kinds / sizeof(std::string) ==
              static_cast<std::size_t>(FindingKind::NotReachable) + 1);
static_assert(sizeof CheckTexts::repairs / sizeof(std::string) ==
              static_cast<std::size_t>(RepairKind::TdbFid) + 1);

std::string findingLine(const Finding& finding, const CheckTexts& texts) {
  const std::string& severity = finding.severity == Severity::Error ? texts.error : texts.warning;
  return severity + "\t" + finding.mapset.name + "\t" + finding.mapset.fid + "\t" +
         finding.mapset.pid + "\t" + texts.kinds[static_cast<int>(finding.kind)] + ": " +
         finding.subject + "\t" + texts.repairs[static_cast<int>(finding.repair)];
}

std::string repairLine(const Finding& finding, const RepairOutcome& outcome,
                       const CheckTexts& texts) {
  const RepairResult result = outcome.result;
  const std::string& prefix = result == RepairResult::Repaired   ? texts.repaired
                              : result == RepairResult::Declined ? texts.declined
                                                                 : texts.notRepaired;
  std::string line = prefix + findingLine(finding, texts);
  const bool removal = finding.repair == RepairKind::RemoveRegistration ||
                       finding.repair == RepairKind::RemoveExtraKey;
  if (!outcome.backup.empty())
    line += "\t" + (removal ? texts.keysSavedAt : texts.backupAt) + outcome.backup;
  if (!outcome.failedAt.empty()) line += "\t" + texts.failedAt + outcome.failedAt;
  if (outcome.putBack) line += "\t" + texts.putBack;
  return line;
}

std::string removalQuestion(const Finding& finding, const CheckTexts& texts) {
  return texts.askRemoval + finding.mapset.name + " (" + finding.subject + ")?";
}

}  // namespace mapsetdesk
