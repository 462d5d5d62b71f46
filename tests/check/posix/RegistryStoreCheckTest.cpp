// The health check over the file-backed registry: a store it cannot read is
// a finding, never an all-clear, and a mapset in a folder whose name no
// ANSI code page holds is found whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "check/HealthCheck.h"
#include "platform/FilePath.h"
#include "platform/posix/FileRegistry.h"
#include "support/BrokenInstallation.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class RegistryStoreCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mapsets.available()) << kNoGarminFiles; }

  FileRegistry open(bool machineReadOnly = false) {
    return FileRegistry(folder.str(), machineReadOnly, [](const std::string&) {});
  }
  HealthReport check(Registry& registry) { return checkInstallation(registry, dialogs, place); }
  fs::path machineHive() const { return folder / "registry" / "HKEY_LOCAL_MACHINE.reg"; }

  TempDir folder;
  ScriptedDialogs dialogs;
  RealMapsets mapsets;
  const std::string base{"SOFTWARE"};
  GmapFolders maps{pathOf(folder / "Maps"), pathOf(folder / "UserMaps"), {}};
  CheckPlace place{base, {}, maps, "fehler25: "};
};

std::vector<std::string> unreadable(const HealthReport& report) {
  std::vector<std::string> subjects;
  for (const Finding& finding : report.findings) {
    EXPECT_EQ(finding.kind, FindingKind::RegistryUnreadable);
    EXPECT_EQ(finding.repair, RepairKind::None);
    subjects.push_back(finding.subject);
  }
  return subjects;
}

TEST_F(RegistryStoreCheckTest, AStoreThatCannotBeReadIsAFindingNeverAnAllClear) {
  FileRegistry admin = open();
  BrokenInstallation installation(admin, base, "SOFTWARE\\Wow6432Node", folder / "Karten", maps);
  installation.registerMapset(kHealthy, base, kHealthy.fid);
  ASSERT_TRUE(check(admin).findings.empty());

  // Without full access to the machine's keys nothing can be listed.
  FileRegistry user = open(true);
  EXPECT_EQ(unreadable(check(user)),
            std::vector<std::string>{base + "\\Garmin\\MapSource\\Families"});

  // A hive cut short is no hive.
  const std::string hive = readFile(machineHive());
  writeFile(machineHive(), hive.substr(0, hive.rfind("\r\n[")));
  FileRegistry damaged = open();
  EXPECT_EQ(unreadable(check(damaged)), std::vector<std::string>{"HKEY_LOCAL_MACHINE"});
}

TEST_F(RegistryStoreCheckTest, AMapsetInAFolderOutsideWindows1252IsFoundWhole) {
  FileRegistry registry = open();
  const fs::path unicode = folder.path() / filePath(kUnicodeFolderName);
  BrokenInstallation installation(registry, base, "SOFTWARE\\Wow6432Node", unicode, maps);
  installation.registerMapset(kHealthy, base, kHealthy.fid);

  FileRegistry later = open();
  const HealthReport report = check(later);
  EXPECT_TRUE(report.findings.empty());
  ASSERT_EQ(report.registry.rows.size(), 1u);
  EXPECT_EQ(report.registry.rows[0].state, EntryState::Complete);
  EXPECT_NE(report.registry.rows[0].entry.tileFolder.find(kUnicodeFolderName), std::string::npos);
}

}  // namespace
}  // namespace mapsetdesk::testing
