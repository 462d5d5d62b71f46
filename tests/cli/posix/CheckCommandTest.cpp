// check of the command-line front end over a data root with one broken
// mapset for each fault, the wrong-base one below the doubled Wow6432Node.
#include <gtest/gtest.h>


#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/messages/CheckTexts.h"
#include "app/messages/CliTexts.h"
#include "platform/Platform.h"
#include "support/BrokenInstallation.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const CheckTexts& texts() { return checkTexts(Sprache::Deutsch); }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    result.push_back(text.substr(start, end - start));
  return result;
}

long countStarting(const std::vector<std::string>& all, const std::string& prefix) {
  return std::count_if(all.begin(), all.end(),
                       [&prefix](const std::string& line) { return line.starts_with(prefix); });
}

class CheckCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(cli({"set-wow64", "yes"}).exitCode, 0);
  }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str(), "--lang", "de"});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  void breakInstallation() {
    PlatformOptions options;
    options.dataRoot = home.str();
    const auto registry = openSystemRegistry(options);
    const GmapFolders maps{pathOf(home / "ProgramData" / "GARMIN" / "Maps"), {}, {}};
    BrokenInstallation installation(*registry, "SOFTWARE\\Wow6432Node",
                                    "SOFTWARE\\Wow6432Node\\Wow6432Node", home / "Karten", maps);
    ASSERT_TRUE(installation.mapsets.available()) << kNoGarminFiles;
    installation.makeAll();
  }

  TempDir home;
  TempDir scratch;
};

TEST_F(CheckCommand, NothingFoundIsExitZero) {
  const ProgramRun run = cli({"check"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, texts().nothingFound + "\n");
  const ProgramRun json = cli({"check", "--json"});
  EXPECT_EQ(json.exitCode, 0);
  EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::array());
  EXPECT_EQ(cli({"check", "--later"}).exitCode, 2);
}

TEST_F(CheckCommand, FindsRepairsOnlyWithYesRemovesAndLeavesNothingRepairable) {
  breakInstallation();
  const std::string cannot = texts().repairs[0];
  const std::string removal = texts().repairs[7];
  ProgramRun run = cli({"check"});
  EXPECT_EQ(run.exitCode, 1);
  std::vector<std::string> found = lines(run.out);
  EXPECT_EQ(found.size(), 14u) << run.out;
  EXPECT_EQ(countStarting(found, texts().error + "\t") + countStarting(found, texts().warning + "\t"),
            14);
  EXPECT_NE(run.out.find("\t" + texts().kinds[15] + ": SOFTWARE\\Wow6432Node\\Wow6432Node\\"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Verwaist"), std::string::npos);
  EXPECT_NE(run.out.find("\t" + removal + "\n"), std::string::npos);

  run = cli({"check", "--repair"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find(texts().declined), std::string::npos) << run.out;
  EXPECT_NE(run.err.find(cliTexts(Sprache::Deutsch).removalNeedsYes), std::string::npos)
      << run.err;
  EXPECT_EQ(countStarting(lines(run.out), texts().repaired), 11) << run.out;

  run = cli({"check", "--repair", "--yes"});
  EXPECT_EQ(countStarting(lines(run.out), texts().repaired), 1) << run.out;

  run = cli({"check"});
  EXPECT_EQ(run.exitCode, 1);
  found = lines(run.out);
  EXPECT_EQ(found.size(), 2u) << run.out;
  for (const std::string& line : found) EXPECT_TRUE(line.ends_with("\t" + cannot)) << line;
}

TEST_F(CheckCommand, JsonNamesEachFindingAndItsRepairForScripts) {
  breakInstallation();
  ProgramRun run = cli({"check", "--json"});
  EXPECT_EQ(run.exitCode, 1);
  const nlohmann::json findings = nlohmann::json::parse(run.out);
  ASSERT_EQ(findings.size(), 14u) << run.out;
  const auto orphan = std::find_if(findings.begin(), findings.end(), [](const auto& finding) {
    return finding["kind"] == "orphaned";
  });
  ASSERT_NE(orphan, findings.end()) << run.out;
  EXPECT_EQ(*orphan, (nlohmann::json{{"severity", "error"},
                                     {"name", "!! TDB-File fehlt !!"},
                                     {"fid", "Fehler"},
                                     {"pid", "fehler"},
                                     {"kind", "orphaned"},
                                     {"problem", texts().kinds[18]},
                                     {"subject", (*orphan)["subject"]},
                                     {"repairable", true},
                                     {"repair", texts().repairs[7]}}));
  EXPECT_TRUE((*orphan)["subject"].get<std::string>().ends_with("karte.tdb"));

  run = cli({"check", "--repair", "--json"});
  const nlohmann::json repaired = nlohmann::json::parse(run.out);
  ASSERT_EQ(repaired.size(), 14u);
  int done = 0;
  for (const auto& finding : repaired) {
    const std::string result = finding["outcome"]["result"];
    if (finding["kind"] == "orphaned") {
      EXPECT_EQ(result, "declined");
    }
    if (!finding["repairable"].get<bool>()) {
      EXPECT_EQ(result, "notRepairable");
    }
    done += result == "repaired";
  }
  EXPECT_EQ(done, 11);
}

}  // namespace
}  // namespace mapsetdesk::testing
