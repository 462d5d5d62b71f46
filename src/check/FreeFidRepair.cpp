#include "check/FreeFidRepair.h"

#include "catalogue/FidAllocation.h"
#include "catalogue/Registration.h"
#include "catalogue/RegistryAccess.h"
#include "check/RepairSnapshot.h"
#include "edit/FidChange.h"
#include "formats/InfoXml.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

// Everything the FID change may write for a registered mapset.
void keepRegistered(RepairSnapshot& snapshot, Registry& registry, const CatalogueEntry& entry,
                    std::uint16_t fid) {
  snapshot.keepFile(entry.tdb);
  if (entry.root == RegistrationRoot::Products) return;
  const std::string familyKey = withoutTrailingBackslash(entry.familyKeyPath);
  if (isFile(entry.typ))
    snapshot.keepFile(pathText(filePath(entry.typ).parent_path() /
                               filePath(typCopyName(fid, TypCopy::FidChange))));
  snapshot.keepFile(fRegAbfrageWert(registry, Root::LocalMachine, familyKey, kValueIdx));
  snapshot.keepValue(registry, familyKey, kValueTyp);
  snapshot.keepValue(registry, familyKey, kValueId);
}

// Everything the FID change may write for a package product.
void keepPackage(RepairSnapshot& snapshot, const GmapRow& row) {
  const std::filesystem::path folder = filePath(packageFolder(row));
  snapshot.keepFile(row.tdb);
  if (row.index != kNoIndexFile) snapshot.keepFile(pathText(folder / filePath(row.index)));
  snapshot.keepFile(pathText(folder / "Info_v2.xml"));
  snapshot.keepFile(row.infoXml);
  const auto typ = packageTypName(row.infoXml);
  if (typ && !typ->empty()) snapshot.keepFile(pathText(folder / filePath(*typ)));
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
  const bool package = finding.packageRow.has_value();
  const std::size_t row = package ? *finding.packageRow : finding.registryRow.value_or(0);
  if (!package && !finding.registryRow) return outcomeOf(RepairResult::NotRepairable);
  if (!changed_.insert({package, row}).second) return outcomeOf(RepairResult::Repaired);
  const auto fid = nextFreeFid();
  if (!fid) return outcomeOf(RepairResult::Failed);
  RepairSnapshot snapshot;
  if (package)
    keepPackage(snapshot, report_.packages.rows[row]);
  else
    keepRegistered(snapshot, tools.registry, report_.registry.rows[row].entry, *fid);
  const FidChangeResult result =
      package ? changePackageFid(report_.packages.rows[row], *fid, tools.dialogs, tools.tdbTexts)
              : changeRegisteredFid(tools.registry, report_.registry.rows[row], report_.registry,
                                    *fid, tools.dialogs, tools.tdbTexts);
  if (result.stop == FidChangeStop::None) return outcomeOf(RepairResult::Repaired);
  RepairOutcome failed = outcomeOf(RepairResult::Failed);
  failed.failedAt = result.stoppedAt;
  failed.putBack = snapshot.putBack(tools.registry);
  return failed;
}

}  // namespace mapsetdesk
