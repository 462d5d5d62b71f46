#include "check/FreeFidRepair.h"

#include "catalogue/FidAllocation.h"
#include "catalogue/Registration.h"
#include "catalogue/RegistryAccess.h"
#include "edit/FidChange.h"
#include "formats/InfoXml.h"
#include "formats/TypHeader.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

// The registration a key of the base in use names, read as the listing reads
// it; none when the key is not there (its move failed).
std::optional<CatalogueRow> registrationAt(Registry& registry, const std::string& base,
                                           const std::string& key) {
  for (const RegistrationRoot root : {RegistrationRoot::Families, RegistrationRoot::FamiliesNT,
                                      RegistrationRoot::Products}) {
    const std::string rootKey = rootKeyPath(base, root);
    if (key.rfind(rootKey, 0) != 0) continue;
    if (!registry.keyExists(Root::LocalMachine, toAnsi(key))) return std::nullopt;
    std::string subkey = key.substr(rootKey.size());
    if (root != RegistrationRoot::Products) {
      const auto products = fSubkeysListen(registry, Root::LocalMachine, key);
      if (products.empty()) return std::nullopt;
      subkey += "\\" + products.front();
    }
    return catalogueRow(readCatalogueEntry(registry, base, root, subkey));
  }
  return std::nullopt;
}

// A change that stopped half-way is put back by the change history.
RepairOutcome outcomeOfChange(const FidChangeResult& change) {
  if (change.stop == FidChangeStop::None) return outcomeOf(RepairResult::Repaired);
  RepairOutcome failed = outcomeOf(RepairResult::Failed);
  failed.failedAt = change.stoppedAt;
  return failed;
}

}  // namespace

FreeFidRepair::FreeFidRepair(const HealthReport& report)
    : report_(report), taken_(report.registry) {
  for (const Finding& finding : report.findings) {
    if (finding.kind == FindingKind::WrongBase) take(finding.mapset.fid);
    if (finding.repair == RepairKind::TdbFid) take(std::to_string(finding.fid));
  }
}

void FreeFidRepair::take(const std::string& fid) {
  CatalogueRow taken;
  taken.cells.fid = fid;
  taken_.rows.push_back(taken);
}

std::optional<std::uint16_t> FreeFidRepair::nextFreeFid() {
  const auto fid = FreieIdNr(taken_, report_.packages);
  if (fid) take(std::to_string(*fid));
  return fid;
}

RepairOutcome FreeFidRepair::repair(const Finding& finding, RepairTools& tools) {
  if (!finding.packageRow && !finding.registryRow && !finding.key.empty())
    return repairMoved(finding, tools);
  const bool package = finding.packageRow.has_value();
  const std::size_t row = package ? *finding.packageRow : finding.registryRow.value_or(0);
  if (!package && !finding.registryRow) return outcomeOf(RepairResult::NotRepairable);
  if (!changed_.insert({package, row}).second) return outcomeOf(RepairResult::Repaired);
  const auto fid = nextFreeFid();
  if (!fid) return outcomeOf(RepairResult::Failed);
  if (!package) return changeRegistered(report_.registry.rows[row], *fid, tools);
  return outcomeOfChange(changePackageFid(report_.packages.rows[row], *fid, tools.dialogs,
                                          tools.tdbTexts, tools.keepFile));
}

RepairOutcome FreeFidRepair::repairMoved(const Finding& finding, RepairTools& tools) {
  const auto row = registrationAt(tools.registry, tools.base, finding.key);
  if (!row) return outcomeOf(RepairResult::Failed);
  const auto fid = nextFreeFid();
  if (!fid) return outcomeOf(RepairResult::Failed);
  return changeRegistered(*row, *fid, tools);
}

RepairOutcome FreeFidRepair::changeRegistered(const CatalogueRow& row, std::uint16_t fid,
                                              RepairTools& tools) {
  return outcomeOfChange(changeRegisteredFid(tools.registry, row, report_.registry, fid,
                                             tools.dialogs, tools.tdbTexts, tools.keepFile));
}

}  // namespace mapsetdesk
