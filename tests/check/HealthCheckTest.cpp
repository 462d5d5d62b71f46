// The health check over an installation with one mapset for each fault:
// each fault is found for its mapset and no other, the repairs mend what
// they can, and a second check finds nothing repairable.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "catalogue/Registration.h"
#include "check/HealthCheck.h"
#include "check/Repairs.h"
#include "formats/TdbChecksum.h"
#include "formats/TypHeader.h"
#include "platform/MemoryRegistry.h"
#include "platform/RegistryOps.h"
#include "support/BrokenInstallation.h"
#include "support/RealMapsets.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using Found = std::pair<std::string, FindingKind>;

// The mapset a finding concerns: its name, or for a mapset whose TDB is
// gone (listed under the catalogue's marker) the folder in its path.
std::string mapsetOf(const Finding& finding, const std::set<std::string>& names) {
  for (const std::string& name : names)
    if (finding.mapset.name == name || finding.subject.find(name) != std::string::npos)
      return name;
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
        kWrongBase.name, kOrphaned.name, kRegistryIdWrong.name, kWholePackage, kDamagedPackage};
    std::set<Found> result;
    for (const Finding& finding : report.findings)
      result.insert({mapsetOf(finding, names), finding.kind});
    return result;
  }

  std::vector<RepairResult> repair(const HealthReport& report, bool removalConfirmed) {
    RepairTools tools{registry, dialogs, *folders, base, {},
                      [removalConfirmed](const Finding&) { return removalConfirmed; }, {}};
    return repairAll(report, tools);
  }

  TempDir folder;
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

TEST_F(HealthCheckTest, RepairsMendTheRepairableWithBackupsAndASecondCheckFindsNoneLeft) {
  const std::string wrongBaseKey = installation.familyKey(kWrongBase, unused);
  const auto movedValues = registry.values(Root::LocalMachine, wrongBaseKey);
  const HealthReport report = check();
  const std::vector<RepairResult> results = repair(report, true);
  for (std::size_t index = 0; index < results.size(); ++index)
    EXPECT_EQ(results[index], report.findings[index].repair == RepairKind::None
                                  ? RepairResult::NotRepairable
                                  : RepairResult::Repaired)
        << static_cast<int>(report.findings[index].kind);

  const HealthReport again = check();
  EXPECT_FALSE(hasRepairable(again));
  EXPECT_EQ(found(again), (std::set<Found>{{kProductsLayout.name, FindingKind::ProductsLayout},
                                           {kDamagedPackage, FindingKind::InfoXmlDamaged}}));
  std::map<std::string, std::string> fids;
  for (const CatalogueRow& row : again.registry.rows) fids[row.cells.name] = row.cells.fid;
  EXPECT_EQ(fids[kDuplicateOld.name], std::to_string(kDuplicateOld.fid));
  EXPECT_NE(fids[kDuplicateNew.name], std::to_string(kDuplicateNew.fid));
  EXPECT_NE(fids[kFidZero.name], fids[kDuplicateNew.name]);
  const fs::path stale = installation.folderOf(kStaleChecksum);
  EXPECT_EQ(checkTdbChecksum(readFile(stale / "karte.tdb-BAK")).state, TdbChecksumState::Bad);
  EXPECT_TRUE(fs::is_regular_file(installation.folderOf(kTypFidWrong) / "karte.typ.bak"));
  EXPECT_FALSE(registry.keyExists(Root::LocalMachine, wrongBaseKey));
  const std::string movedKey = installation.familyKey(kWrongBase, base);
  EXPECT_EQ(registry.values(Root::LocalMachine, movedKey), movedValues);
  EXPECT_EQ(fSubkeysListen(registry, Root::LocalMachine, movedKey),
            std::vector<std::string>{"1"});
  EXPECT_FALSE(registry.keyExists(Root::LocalMachine, installation.familyKey(kOrphaned, base)));
}

TEST_F(HealthCheckTest, APackagesTypOfAnotherFidIsFoundAndRepaired) {
  const std::string typ = pathOf(installation.packageFolder(kWholePackage) / "harz.typ");
  ASSERT_EQ(patchTypFid(typ, 815), FileStatus::Ok);
  HealthReport report = check();
  std::erase_if(report.findings, [](const Finding& finding) { return !finding.packageRow; });
  ASSERT_EQ(report.findings.size(), 1u);
  EXPECT_EQ(report.findings[0].kind, FindingKind::TypFidWrong);
  EXPECT_EQ(repair(report, false), std::vector<RepairResult>{RepairResult::Repaired});
  EXPECT_EQ(readTypFid(readFile(filePath(typ))), 4711);
  EXPECT_EQ(readTypFid(readFile(filePath(typ + ".bak"))), 815);
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
  RepairTools tools{registry, dialogs, *folders, base, {}, [](const Finding&) { return false; },
                    [this] { return check(); }};
  const std::vector<RepairResult> results = repairAll(wrong, tools);
  for (std::size_t i = 0; i < results.size(); ++i) {
    if (wrong.findings[i].kind == FindingKind::RegistryIdWrong &&
        wrong.findings[i].subject.find("dkarte777") != std::string::npos) {
      EXPECT_EQ(results[i], RepairResult::Repaired);
    }
  }
  EXPECT_EQ(aboutSued(check()), 0);
}

TEST_F(HealthCheckTest, ARepairWhoseFindingStaysCountsAsFailed) {
  const HealthReport report = check();
  RepairTools tools{registry, dialogs, *folders, base, {}, [](const Finding&) { return false; },
                    [&report] { return report; }};
  for (const RepairResult result : repairAll(report, tools))
    EXPECT_NE(result, RepairResult::Repaired);
}

}  // namespace
}  // namespace mapsetdesk::testing
