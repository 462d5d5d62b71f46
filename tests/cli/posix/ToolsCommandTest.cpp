// tools: the setting that decides who does the outside programs' work.
#include <gtest/gtest.h>

#include "app/Settings.h"
#include "platform/Platform.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

class ToolsCommand : public ::testing::Test {
 protected:
  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  std::string stored() {
    PlatformOptions options;
    options.dataRoot = home.str();
    return std::string(toolsChoiceName(Settings(*openSystemRegistry(options)).tools()));
  }
  TempDir home;
  TempDir scratch;
};

TEST_F(ToolsCommand, PrintsAutoWhileNothingIsStored) {
  const ProgramRun run = cli({"tools"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "tools: auto\n");
}

TEST_F(ToolsCommand, StoresAChoiceTheProgramReads) {
  const ProgramRun run = cli({"tools", "intern"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "tools: intern\n");
  EXPECT_EQ(stored(), "intern");
  EXPECT_EQ(cli({"tools"}).out, "tools: intern\n");
}

TEST_F(ToolsCommand, RefusesAnUnknownChoiceAndKeepsTheStoredOne) {
  cli({"tools", "intern"});
  const ProgramRun run = cli({"tools", "Extern"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(stored(), "intern");
  EXPECT_EQ(cli({"tools", "a", "b"}).exitCode, 2);
}

}  // namespace
}  // namespace mapsetdesk::testing
