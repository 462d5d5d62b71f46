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
#include "check/TypCopyRepair.h"
#include "history/JournaledAction.h"
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
std::string saveKeys(RepairTools& tools, const std::string& key) {
  const auto text = exportRegistryKey(tools.registry, Root::LocalMachine, toAnsi(key));
  const std::string& folder = tools.keyBackupFolder;
  if (!text || folder.empty()) return {};
  std::error_code error;
  std::filesystem::create_directories(filePath(folder), error);
  const std::string stem = joinPath(folder, key.substr(key.rfind('\\') + 1));
  const std::string file = freeFileName([&stem](int number) {
    return stem + (number == 1 ? std::string() : " (" + std::to_string(number) + ")") + ".reg";
  });
  return tools.keepFile(file) && replaceFile(file, *text) ? file : std::string();
}

RepairOutcome removeKeys(const HealthReport& report, const Finding& finding, RepairTools& tools,
                         bool keepFiles) {
  const std::size_t row = *finding.registryRow;
  const std::string key = registrationKey(report.registry.rows[row].entry);
  RepairOutcome result = outcomeOf(RepairResult::Failed);
  result.backup = saveKeys(tools, key);
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

// What a repair of one file writes: the file and its backup.
std::vector<std::string> filesPatched(const Finding& finding) {
  switch (finding.repair) {
    case RepairKind::Checksum:
    case RepairKind::TdbFid:
      return {finding.file, freeBackupName(finding.file, "-BAK")};
    case RepairKind::TypFid:
    case RepairKind::InfoXmlId:
      return {finding.file, freeBackupName(finding.file, ".bak")};
    case RepairKind::IndexFid:
      return {finding.file};
    case RepairKind::TypCopy:
      return {ownTypCopyPath(finding.file, finding.fid)};
    default:
      return {};
  }
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
      return patchOne(finding, tools);
  }
}

// Each repair is one entry of the change history: one that fails is put
// back whole, one that is done can be undone.
RepairOutcome journaledRepair(const HealthReport& report, const Finding& finding,
                              RepairTools& tools, FreeFidRepair& freeFids) {
  if (finding.repair == RepairKind::None) return outcomeOf(RepairResult::NotRepairable);
  RepairOutcome result = outcomeOf(RepairResult::Failed);
  const Journal journal{filePath(tools.journalFolder)};
  const ActionOutcome outcome = runJournaled(
      journal, tools.registry, tools.folders, "repair", finding.mapset.name,
      [&](Recorded& recorded) {
        if (!keepBeforeEdit(recorded.entry, filesPatched(finding))) return false;
        RepairTools declaring{recorded.registry, tools.dialogs, recorded.folders, tools.base,
                              tools.tdbTexts, tools.confirmRemoval, tools.recheck,
                              tools.keyBackupFolder, tools.journalFolder,
                              keepingIn(recorded.entry)};
        result = repairOne(report, finding, declaring, freeFids);
        return result.result == RepairResult::Repaired;
      });
  if (outcome == ActionOutcome::Done || result.result == RepairResult::Declined ||
      result.result == RepairResult::NotRepairable)
    return result;
  result.result = RepairResult::Failed;
  if (result.failedAt.empty())
    result.failedAt = finding.file.empty() ? finding.key : finding.file;
  if (outcome == ActionOutcome::NoJournal || outcome == ActionOutcome::NotComplete)
    result.failedAt = tools.journalFolder;
  result.putBack = outcome != ActionOutcome::NotPutBack;
  return result;
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
    results.push_back(journaledRepair(report, finding, tools, freeFids));
  if (!tools.recheck) return results;
  const HealthReport after = tools.recheck();
  for (std::size_t i = 0; i < results.size(); ++i)
    if (results[i].result == RepairResult::Repaired &&
        stillFound(report.findings[i], after.findings))
      results[i].result = RepairResult::Failed;
  return results;
}

}  // namespace mapsetdesk
