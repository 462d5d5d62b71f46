// The health check over an installation with one mapset for each fault:
// each fault is found for its mapset and no other, the repairs mend what
// they can, and a second check finds nothing repairable.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "check/FindingLine.h"
#include "check/HealthCheck.h"
#include "catalogue/Registration.h"
#include "check/Repairs.h"
#include "formats/TdbChecksum.h"
#include "formats/TypHeader.h"
#include "platform/MemoryRegistry.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"
#include "support/BrokenInstallation.h"
#include "support/RealMapsets.h"
#include "support/RefusingRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using Found = std::pair<std::string, FindingKind>;

// The mapset a finding concerns: its name, or for a mapset whose TDB is
// gone (listed under the catalogue's marker) the folder in its path.
std::string mapsetOf(const Finding& finding, const std::set<std::string>& names) {
  if (names.count(finding.mapset.name)) return finding.mapset.name;
  for (const std::string& name : names)
    if (finding.subject.find(name) != std::string::npos) return name;
  return finding.mapset.name + " " + finding.subject;
}

class HealthCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(installation.mapsets.available()) << kNoGarminFiles;
    installation.makeAll();
  }
  void TearDown() override { dialogs.expectAllTaken(); }

  HealthReport check() { return checkInstallation(registry, dialogs, place); }

  std::set<Found> found(const HealthReport& report) {
    const std::set<std::string> names = {
        kHealthy.name, kStaleChecksum.name, kTypFidWrong.name, kIndexFidWrong.name,
        kDuplicateOld.name, kDuplicateNew.name, kFidZero.name, kProductsLayout.name,
        kWrongBase.name, kOrphaned.name, kRegistryIdWrong.name, kRegisteredTwice.name,
        kTypSharedOwner.name, kTypSharedOther.name, kWholePackage, kDamagedPackage,
        kPackageIdWrong};
    std::set<Found> result;
    for (const Finding& finding : report.findings)
      result.insert({mapsetOf(finding, names), finding.kind});
    return result;
  }

  std::vector<RepairResult> repair(const HealthReport& report, bool removalConfirmed) {
    std::vector<RepairResult> results;
    for (const RepairOutcome& outcome : repairWithOutcomes(report, removalConfirmed))
      results.push_back(outcome.result);
    return results;
  }
  RepairTools tools(bool removalConfirmed) {
    return RepairTools{registry, dialogs, *folders, base, {},
                       [removalConfirmed](const Finding&) { return removalConfirmed; }, {},
                       pathOf(folder / "removed"), pathOf(history.path())};
  }
  std::vector<RepairOutcome> repairWithOutcomes(const HealthReport& report,
                                                bool removalConfirmed) {
    RepairTools repairTools = tools(removalConfirmed);
    return repairAll(report, repairTools);
  }

  // Every file of the installation with its bytes, and the machine's keys.
  using Installed = std::pair<std::map<fs::path, std::string>, std::optional<std::string>>;
  Installed installed() {
    Installed result;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
      if (entry.is_regular_file()) result.first[entry.path()] = readFile(entry.path());
    result.second = exportRegistryKey(registry, Root::LocalMachine, "SOFTWARE");
    return result;
  }

  const CheckTexts& texts = checkTexts(Sprache::English);
  TempDir folder;
  TempDir history;  // the change history, apart from the installation it keeps
  MemoryRegistry registry;
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> folders = openSystemFolderOps(dialogs);
  const std::string base{"SOFTWARE\\Wow6432Node"};
  const std::string unused{"SOFTWARE"};
  GmapFolders maps{pathOf(folder / "Maps"), pathOf(folder / "UserMaps"), {}};
  CheckPlace place{base, {unused}, maps, "fehler25: "};
  BrokenInstallation installation{registry, base, unused, folder / "Karten", maps};
};

TEST_F(HealthCheckTest, FindsEachFaultAtItsMapsetAndNothingElse) {
  // Folders in the map folder that are no packages.
  for (const char* name : {"Backup", "Old stuff.gmap.bak"})
    fs::create_directories(filePath(maps.allUsers) / name);
  const HealthReport report = check();
  const std::set<Found> expected = {
      {kStaleChecksum.name, FindingKind::ChecksumStale},
      {kTypFidWrong.name, FindingKind::TypFidWrong},
      {kIndexFidWrong.name, FindingKind::IndexFidWrong},
      {kDuplicateNew.name, FindingKind::DuplicateFid},
      {kFidZero.name, FindingKind::FidZero},
      {kProductsLayout.name, FindingKind::ProductsLayout},
      {kWrongBase.name, FindingKind::WrongBase},
      {kOrphaned.name, FindingKind::Orphaned},
      {kRegistryIdWrong.name, FindingKind::RegistryIdWrong},
      {kDamagedPackage, FindingKind::InfoXmlDamaged},
      {kRegisteredTwice.name, FindingKind::RegisteredTwice},
      {kTypSharedOther.name, FindingKind::TypShared},
      {kPackageIdWrong, FindingKind::InfoXmlIdWrong},
      {kPackageIdWrong, FindingKind::DuplicateFid},
  };
  EXPECT_EQ(found(report), expected);
  EXPECT_EQ(report.findings.size(), expected.size());
  EXPECT_TRUE(hasRepairable(report));
  for (const Finding& finding : report.findings) {
    if (finding.kind == FindingKind::ProductsLayout) {
      EXPECT_EQ(finding.subject, productsKeyPath(base, std::to_string(kProductsLayout.fid)));
    }
    if (finding.kind == FindingKind::WrongBase) {
      EXPECT_EQ(finding.subject, installation.familyKey(kWrongBase, unused));
    }
    if (finding.kind == FindingKind::RegisteredTwice) {
      EXPECT_EQ(finding.subject, installation.familyKeyNT(kRegisteredTwice) + "\\1");
    }
    if (finding.kind == FindingKind::FidZero) {
      EXPECT_EQ(finding.repair, RepairKind::TdbFid);
      EXPECT_EQ(finding.fid, kFidZero.fid);
    }
  }
}

TEST_F(HealthCheckTest, MissingFilesAreFoundButNotRepaired) {
  const fs::path healthy = installation.folderOf(kHealthy);
  fs::remove(healthy / "karte.img");
  fs::remove(healthy / "63240002.img");
  fs::remove(healthy / "karte.typ");
  fs::remove(healthy / "karte.mdx");
  const HealthReport report = check();
  std::set<FindingKind> kinds;
  for (const Finding& finding : report.findings) {
    if (finding.mapset.name.find(kHealthy.name) == std::string::npos &&
        finding.subject.find(kHealthy.name) == std::string::npos)
      continue;
    kinds.insert(finding.kind);
    EXPECT_EQ(finding.repair, RepairKind::None) << static_cast<int>(finding.kind);
  }
  EXPECT_EQ(kinds, (std::set<FindingKind>{FindingKind::OverviewMissing, FindingKind::TileMissing,
                                          FindingKind::TypMissing, FindingKind::IndexMissing}));
}

TEST_F(HealthCheckTest, RepairsMendTheRepairableAndASecondRunChangesNoByte) {
  const std::string wrongBaseKey = installation.familyKey(kWrongBase, unused);
  const auto movedValues = registry.values(Root::LocalMachine, wrongBaseKey);
  // Backups the user kept under the names the repairs would use.
  const fs::path stale = installation.folderOf(kStaleChecksum);
  const fs::path typWrong = installation.folderOf(kTypFidWrong);
  writeFile(stale / "karte.tdb-BAK", "original");
  writeFile(typWrong / "karte.typ.bak", "original");
  const Installed before = installed();

  const HealthReport report = check();
  const std::vector<RepairOutcome> outcomes = repairWithOutcomes(report, true);
  std::map<FindingKind, RepairOutcome> byKind;
  for (std::size_t index = 0; index < outcomes.size(); ++index) {
    EXPECT_EQ(outcomes[index].result, report.findings[index].repair == RepairKind::None
                                          ? RepairResult::NotRepairable
                                          : RepairResult::Repaired)
        << static_cast<int>(report.findings[index].kind);
    byKind[report.findings[index].kind] = outcomes[index];
  }

  const HealthReport again = check();
  EXPECT_FALSE(hasRepairable(again));
  EXPECT_EQ(found(again), (std::set<Found>{{kProductsLayout.name, FindingKind::ProductsLayout},
                                           {kDamagedPackage, FindingKind::InfoXmlDamaged}}));
  const Installed mended = installed();
  repairWithOutcomes(again, true);
  EXPECT_EQ(installed(), mended) << "a second repair changes nothing";

  std::map<std::string, std::string> fids;
  for (const CatalogueRow& row : again.registry.rows) fids[row.cells.name] = row.cells.fid;
  EXPECT_EQ(fids[kDuplicateOld.name], std::to_string(kDuplicateOld.fid));
  EXPECT_NE(fids[kDuplicateNew.name], std::to_string(kDuplicateNew.fid));
  EXPECT_EQ(fids[kFidZero.name], std::to_string(kFidZero.fid)) << "the registry's ID, not a new one";

  EXPECT_EQ(readFile(stale / "karte.tdb-BAK"), "original");
  EXPECT_EQ(readFile(typWrong / "karte.typ.bak"), "original");
  EXPECT_EQ(byKind[FindingKind::ChecksumStale].backup, pathOf(stale / "karte.tdb-BAK2"));
  EXPECT_EQ(checkTdbChecksum(readFile(stale / "karte.tdb-BAK2")).state, TdbChecksumState::Bad);
  EXPECT_EQ(byKind[FindingKind::TypFidWrong].backup, pathOf(typWrong / "karte.typ.bak2"));
  for (std::size_t index = 0; index < outcomes.size(); ++index) {
    const std::string line = repairLine(report.findings[index], outcomes[index], texts);
    const std::string& backup = outcomes[index].backup;
    const FindingKind kind = report.findings[index].kind;
    const bool removal = kind == FindingKind::Orphaned || kind == FindingKind::RegisteredTwice;
    if (backup.empty()) continue;
    EXPECT_TRUE(line.ends_with("\t" + (removal ? texts.keysSavedAt : texts.backupAt) + backup))
        << line;
  }

  // The extra key is gone and the files stay with the other one.
  EXPECT_FALSE(registry.keyExists(Root::LocalMachine, installation.familyKeyNT(kRegisteredTwice)));
  EXPECT_EQ(fids[kRegisteredTwice.name], std::to_string(kRegisteredTwice.fid));
  EXPECT_TRUE(fs::is_regular_file(installation.folderOf(kRegisteredTwice) / "karte.tdb"));

  // The shared TYP file keeps its owner's FID; the other family has its own.
  const fs::path sharedTyp = installation.folderOf(kTypSharedOwner) / "karte.typ";
  EXPECT_EQ(readTypFid(readFile(sharedTyp)), kTypSharedOwner.fid);
  const std::string ownTyp =
      fRegAbfrageWert(registry, Root::LocalMachine,
                      installation.familyKey(kTypSharedOther, base), kValueTyp);
  EXPECT_NE(ownTyp, pathOf(sharedTyp));
  EXPECT_EQ(readTypFid(readFile(filePath(ownTyp))), kTypSharedOther.fid);

  EXPECT_FALSE(registry.keyExists(Root::LocalMachine, wrongBaseKey));
  const std::string movedKey = installation.familyKey(kWrongBase, base);
  EXPECT_EQ(registry.values(Root::LocalMachine, movedKey), movedValues);
  EXPECT_EQ(fSubkeysListen(registry, Root::LocalMachine, movedKey),
            std::vector<std::string>{"1"});

  // The orphan's keys are saved where the repair says, then removed.
  EXPECT_FALSE(registry.keyExists(Root::LocalMachine, installation.familyKey(kOrphaned, base)));
  const std::string saved = byKind[FindingKind::Orphaned].backup;
  EXPECT_EQ(filePath(saved).parent_path(), folder / "removed");
  EXPECT_NE(readFile(filePath(saved)).find(installation.familyKey(kOrphaned, base)),
            std::string::npos);
  EXPECT_NE(before, mended);
}

TEST_F(HealthCheckTest, APackagesTypOfAnotherFidIsFoundAndRepaired) {
  const std::string typ = pathOf(installation.packageFolder(kWholePackage) / "harz.typ");
  ASSERT_EQ(patchTypFid(typ, 815), FileStatus::Ok);
  HealthReport report = check();
  std::erase_if(report.findings, [](const Finding& finding) {
    return finding.subject.find(kWholePackage) == std::string::npos;
  });
  ASSERT_EQ(report.findings.size(), 1u);
  EXPECT_EQ(report.findings[0].kind, FindingKind::TypFidWrong);
  EXPECT_EQ(repair(report, false), std::vector<RepairResult>{RepairResult::Repaired});
  EXPECT_EQ(readTypFid(readFile(filePath(typ))), 4711);
  EXPECT_EQ(readTypFid(readFile(filePath(typ + ".bak"))), 815);
}

TEST_F(HealthCheckTest, ARepairWhoseRegistryWritesAreRefusedPutsBackWhatItChanged) {
  RefusingRegistry refusing(registry);
  HealthReport report = checkInstallation(refusing, dialogs, place);
  std::erase_if(report.findings, [](const Finding& finding) {
    return finding.kind != FindingKind::DuplicateFid && finding.kind != FindingKind::RegistryIdWrong;
  });
  ASSERT_EQ(report.findings.size(), 3u);  // one of them the package's
  refusing.refuseWrites();
  const Installed before = installed();
  RepairTools refused{refusing, dialogs, *folders, base, {}, nullptr, {},
                      pathOf(folder / "removed"), pathOf(history.path())};
  const std::vector<RepairOutcome> outcomes = repairAll(report, refused);
  for (std::size_t index = 0; index < outcomes.size(); ++index) {
    const RepairOutcome& outcome = outcomes[index];
    if (outcome.result == RepairResult::Repaired) continue;  // the package needs no registry
    EXPECT_EQ(outcome.result, RepairResult::Failed);
    EXPECT_TRUE(outcome.putBack);
    EXPECT_NE(outcome.failedAt.find(base), std::string::npos) << outcome.failedAt;
    const std::string line = repairLine(report.findings[index], outcome, texts);
    EXPECT_TRUE(line.starts_with(texts.notRepaired)) << line;
    EXPECT_TRUE(line.ends_with("\t" + texts.failedAt + outcome.failedAt + "\t" + texts.putBack))
        << line;
  }
  const Installed after = installed();
  for (const auto& [path, bytes] : after.first) {
    if (path.string().find(kPackageIdWrong) != std::string::npos) continue;
    EXPECT_EQ(bytes, before.first.at(path)) << path;
  }
  EXPECT_EQ(after.second, before.second);
}

TEST_F(HealthCheckTest, AnUnreachableDriveIsReportedAndItsRegistrationKept) {
  const std::string product = installation.familyKey(kHealthy, base) + "\\1";
  const fs::path stick = folder / "Stick" / "Karten";
  for (const char* value : {kValueTdb, kValueBmap, kValueLoc})
    fStringSpeichern(registry, Root::LocalMachine, product, value,
                     pathOf(stick / (std::string(value) == kValueLoc ? "" : "karte.tdb")));
  HealthReport report = check();
  std::erase_if(report.findings, [](const Finding& finding) {
    return finding.subject.find("Stick") == std::string::npos;
  });
  ASSERT_EQ(report.findings.size(), 1u);
  EXPECT_EQ(report.findings[0].kind, FindingKind::NotReachable);
  EXPECT_EQ(report.findings[0].repair, RepairKind::None);
  EXPECT_EQ(repair(report, true), std::vector<RepairResult>{RepairResult::NotRepairable});
  EXPECT_TRUE(registry.keyExists(Root::LocalMachine, product));
}

TEST_F(HealthCheckTest, AnUnconfirmedRemovalKeepsTheRegistration) {
  HealthReport report = check();
  std::erase_if(report.findings, [](const Finding& finding) {
    return finding.repair != RepairKind::RemoveRegistration;
  });
  ASSERT_EQ(report.findings.size(), 1u);
  EXPECT_EQ(repair(report, false), std::vector<RepairResult>{RepairResult::Declined});
  EXPECT_TRUE(registry.keyExists(Root::LocalMachine, installation.familyKey(kOrphaned, base)));
}

// The registry holds key names as Windows-1252; a key with an umlaut was once
// looked up as UTF-8, so its right ID read as missing and the repair's
// "done" stood beside the finding that stayed.
TEST_F(HealthCheckTest, AFamilyKeyWithAnUmlautIsCheckedAndRepairedUnderItsOwnName) {
  const std::string family = "S\xC3\xBC" "dkarte777";
  const MapsetFiles files =
      installation.mapsets.make(folder / "Sued", "sued", "S\xC3\xBC" "dkarte", 777, 1);
  registerFamilyProduct(registry, base, RegistrationRoot::Families, family, 777, "1", files);
  const auto aboutSued = [](const HealthReport& report) {
    return std::count_if(report.findings.begin(), report.findings.end(), [](const Finding& f) {
      return f.subject.find("dkarte777") != std::string::npos;
    });
  };
  EXPECT_EQ(aboutSued(check()), 0);

  const std::string key = familyKeyPath(base, RegistrationRoot::Families, family);
  ffStringSpeichern(registry, Root::LocalMachine, key, kValueId, fidByteText(778));
  const HealthReport wrong = check();
  ASSERT_EQ(aboutSued(wrong), 1);
  RepairTools repairTools = tools(false);
  repairTools.recheck = [this] { return check(); };
  const std::vector<RepairOutcome> results = repairAll(wrong, repairTools);
  for (std::size_t i = 0; i < results.size(); ++i) {
    if (wrong.findings[i].kind == FindingKind::RegistryIdWrong &&
        wrong.findings[i].subject.find("dkarte777") != std::string::npos) {
      EXPECT_EQ(results[i].result, RepairResult::Repaired);
    }
  }
  EXPECT_EQ(aboutSued(check()), 0);
}

// A registration moved in from the unused base whose FID and PID the base
// in use has already gets a free FID in the same run, not in a second one.
TEST_F(HealthCheckTest, AMapsetMovedOntoATakenFidGetsAFreeOneInTheSameRun) {
  constexpr BrokenMapset kMovedIn{"Zugezogen", kHealthy.fid};
  installation.registerMapset(kMovedIn, unused, kMovedIn.fid);
  const HealthReport report = check();
  const std::string moved = installation.familyKey(kMovedIn, base);
  EXPECT_TRUE(std::any_of(report.findings.begin(), report.findings.end(), [&](const Finding& f) {
    return f.kind == FindingKind::DuplicateFid && f.subject == moved;
  }));
  for (const RepairOutcome& outcome : repairWithOutcomes(report, true))
    EXPECT_NE(outcome.result, RepairResult::Failed);

  const HealthReport again = check();
  EXPECT_FALSE(hasRepairable(again));
  std::map<std::string, std::string> fids;
  for (const CatalogueRow& row : again.registry.rows) fids[row.cells.name] = row.cells.fid;
  EXPECT_EQ(fids[kHealthy.name], std::to_string(kHealthy.fid));
  ASSERT_TRUE(fids.count(kMovedIn.name));
  EXPECT_NE(fids[kMovedIn.name], std::to_string(kHealthy.fid));
}

TEST_F(HealthCheckTest, ARepairWhoseFindingStaysCountsAsFailed) {
  const HealthReport report = check();
  RepairTools repairTools = tools(false);
  repairTools.recheck = [&report] { return report; };
  for (const RepairOutcome& outcome : repairAll(report, repairTools))
    EXPECT_NE(outcome.result, RepairResult::Repaired);
}

}  // namespace
}  // namespace mapsetdesk::testing
