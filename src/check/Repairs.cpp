#include "check/Repairs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "catalogue/MapsetRemoval.h"
#include "catalogue/Registration.h"
#include "catalogue/RegistryAccess.h"
#include "check/FileRepairs.h"
#include "check/FreeFidRepair.h"
#include "check/RegistryRepairs.h"
#include "check/RepairSnapshot.h"
#include "check/TypCopyRepair.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"
#include "platform/RegistryTransfer.h"

namespace mapsetdesk {
namespace {

RepairOutcome outcome(bool done) {
  return outcomeOf(done ? RepairResult::Repaired : RepairResult::Failed);
}

RepairOutcome outcome(const FileRepair& repair) {
  RepairOutcome result = outcome(repair.done);
  result.backup = repair.backup;
  return result;
}

// The key that holds the registration: the family key, or the Products key.
std::string registrationKey(const CatalogueEntry& entry) {
  if (entry.root == RegistrationRoot::Products) return entry.familyKeyPath + entry.subkeyPath;
  return withoutTrailingBackslash(entry.familyKeyPath);
}

// The keys as a .reg file the user can import again; empty when they could
// not be saved, and then nothing may be removed.
std::string saveKeys(Registry& registry, const std::string& key, const std::string& folder) {
  const auto text = exportRegistryKey(registry, Root::LocalMachine, toAnsi(key));
  if (!text || folder.empty()) return {};
  std::error_code error;
  std::filesystem::create_directories(filePath(folder), error);
  const std::string stem = joinPath(folder, key.substr(key.rfind('\\') + 1));
  const std::string file = freeFileName([&stem](int number) {
    return stem + (number == 1 ? std::string() : " (" + std::to_string(number) + ")") + ".reg";
  });
  return replaceFile(file, *text) ? file : std::string();
}

RepairOutcome removeKeys(const HealthReport& report, const Finding& finding, RepairTools& tools,
                         bool keepFiles) {
  const std::size_t row = *finding.registryRow;
  const std::string key = registrationKey(report.registry.rows[row].entry);
  RepairOutcome result = outcomeOf(RepairResult::Failed);
  result.backup = saveKeys(tools.registry, key, tools.keyBackupFolder);
  if (result.backup.empty()) {
    result.failedAt = key;
    return result;
  }
  RegistryCatalogue catalogue = report.registry;
  // The other key still names the TDB and overview: they must stay.
  if (keepFiles) catalogue.rows[row].entry.tdb = catalogue.rows[row].entry.overview = {};
  const RegistrationRemoval removal = removeRegistration(
      tools.registry, tools.folders, tools.base, catalogue, row, report.packages);
  if (removal.keyKept) result.failedAt = key;
  result.result = removal.keyKept ? RepairResult::Failed : RepairResult::Repaired;
  return result;
}

RepairOutcome removeOrphan(const HealthReport& report, const Finding& finding,
                           RepairTools& tools) {
  if (!tools.confirmRemoval(finding)) return outcomeOf(RepairResult::Declined);
  return removeKeys(report, finding, tools, false);
}

RepairOutcome patchOne(const Finding& finding, RepairTools& tools) {
  switch (finding.repair) {
    case RepairKind::Checksum:
      return outcome(renewChecksum(finding.file, tools.dialogs, tools.tdbTexts));
    case RepairKind::TdbFid:
      return outcome(setTdbFid(finding.file, finding.fid, tools.dialogs, tools.tdbTexts));
    case RepairKind::TypFid:
      return outcome(setTypFid(finding.file, finding.fid));
    case RepairKind::IndexFid:
      return outcome(setIndexFid(finding.file, finding.fid));
    case RepairKind::InfoXmlId:
      return outcome(setInfoXmlId(finding.file, finding.fid));
    case RepairKind::RegistryId:
      return outcome(setRegistryId(tools.registry, finding.key, finding.fid));
    case RepairKind::TypCopy:
      return outcome(giveOwnTypCopy(tools.registry, finding.key, finding.file, finding.fid));
    default:
      return outcomeOf(RepairResult::NotRepairable);
  }
}

// A repair of one file or one family key: what it changed is put back when
// it fails.
RepairOutcome patchGuarded(const Finding& finding, RepairTools& tools) {
  RepairSnapshot snapshot;
  snapshot.keepFile(finding.file);
  if (!finding.key.empty()) {
    snapshot.keepValue(tools.registry, finding.key, kValueId);
    snapshot.keepValue(tools.registry, finding.key, kValueTyp);
  }
  RepairOutcome result = patchOne(finding, tools);
  if (result.result != RepairResult::Failed) return result;
  result.failedAt = finding.file.empty() ? finding.key : finding.file;
  result.putBack = snapshot.putBack(tools.registry);
  return result;
}

RepairOutcome repairOne(const HealthReport& report, const Finding& finding, RepairTools& tools,
                        FreeFidRepair& freeFids) {
  switch (finding.repair) {
    case RepairKind::MoveToBase:
      return outcome(moveKey(tools.registry, finding.key, finding.target));
    case RepairKind::RemoveRegistration:
      return removeOrphan(report, finding, tools);
    case RepairKind::RemoveExtraKey:
      return removeKeys(report, finding, tools, true);
    case RepairKind::FreeFid:
      return freeFids.repair(finding, tools);
    case RepairKind::None:
      return outcomeOf(RepairResult::NotRepairable);
    default:
      return patchGuarded(finding, tools);
  }
}

bool stillFound(const Finding& finding, const Findings& after) {
  return std::any_of(after.begin(), after.end(), [&](const Finding& now) {
    return now.kind == finding.kind && now.subject == finding.subject;
  });
}

}  // namespace

std::string keyBackupFolderOf(const std::string& localAppData) {
  return joinPath(joinPath(localAppData, "ZORVAN"), "removed registrations");
}

std::vector<RepairOutcome> repairAll(const HealthReport& report, RepairTools& tools) {
  std::vector<RepairOutcome> results;
  FreeFidRepair freeFids(report);
  for (const Finding& finding : report.findings)
    results.push_back(repairOne(report, finding, tools, freeFids));
  if (!tools.recheck) return results;
  const HealthReport after = tools.recheck();
  for (std::size_t i = 0; i < results.size(); ++i)
    if (results[i].result == RepairResult::Repaired &&
        stillFound(report.findings[i], after.findings))
      results[i].result = RepairResult::Failed;
  return results;
}

}  // namespace mapsetdesk
