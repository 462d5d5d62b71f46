// mapsetdesk-cli --version: the release number the build was made with, as a
// user sees it at a command prompt.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/Version.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

using testing::ProgramRun;
using testing::TempDir;

TEST(VersionOption, PrintsTheReleaseNumberOfTheBuild) {
  const std::string version(kVersion);
  EXPECT_TRUE(std::regex_match(version, std::regex(R"(\d+\.\d+\.\d+)"))) << version;
  TempDir scratch;
  const ProgramRun run = testing::runProgram(MAPSETDESK_CLI, {"--version"}, scratch);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(testing::withLf(run.out), "mapsetdesk " + version + "\n");
  EXPECT_EQ(run.err, "");
}

TEST(VersionOption, WithMoreArgumentsIsAUsageError) {
  TempDir scratch;
  const ProgramRun run = testing::runProgram(MAPSETDESK_CLI, {"--version", "list"}, scratch);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(testing::withLf(run.err).find("mapsetdesk-cli --version\n"), std::string::npos);
}

}  // namespace
}  // namespace mapsetdesk
