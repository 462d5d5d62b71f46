#include "check/FindingLine.h"

namespace mapsetdesk {

static_assert(sizeof CheckTexts::kinds / sizeof(std::string) ==
              static_cast<std::size_t>(FindingKind::Orphaned) + 1);
static_assert(sizeof CheckTexts::repairs / sizeof(std::string) ==
              static_cast<std::size_t>(RepairKind::RemoveRegistration) + 1);

std::string findingLine(const Finding& finding, const CheckTexts& texts) {
  const std::string& severity = finding.severity == Severity::Error ? texts.error : texts.warning;
  return severity + "\t" + finding.mapset.name + "\t" + finding.mapset.fid + "\t" +
         finding.mapset.pid + "\t" + texts.kinds[static_cast<int>(finding.kind)] + ": " +
         finding.subject + "\t" + texts.repairs[static_cast<int>(finding.repair)];
}

std::string repairLine(const Finding& finding, RepairResult result, const CheckTexts& texts) {
  const std::string& prefix = result == RepairResult::Repaired   ? texts.repaired
                              : result == RepairResult::Declined ? texts.declined
                                                                 : texts.notRepaired;
  return prefix + findingLine(finding, texts);
}

std::string removalQuestion(const Finding& finding, const CheckTexts& texts) {
  return texts.askRemoval + finding.mapset.name + " (" + finding.subject + ")?";
}

}  // namespace mapsetdesk
