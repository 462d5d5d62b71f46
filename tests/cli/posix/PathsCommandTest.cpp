#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the built command-line tool through the shell, with the data root
// named either by --home in the arguments or by MAPSETDESK_HOME.
CliRun runCli(const TempDir& scratch, const std::string& arguments,
           const std::string& dataRootVariable = "") {
  const fs::path errFile = scratch / "stderr.txt";
  const std::string environment =
      dataRootVariable.empty() ? "" : "MAPSETDESK_HOME='" + dataRootVariable + "' ";
  const std::string command = environment + "'" + MAPSETDESK_CLI + "' " + arguments + " 2>'" +
                              errFile.string() + "'";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = testing::readFile(errFile);
  return run;
}

std::string expectedPaths(const std::string& root) {
  const std::string programFolder = fs::canonical(MAPSETDESK_CLI).parent_path().string();
  return "data-root: " + root + "\n" +
         "registry: " + root + "/registry\n" +
         "programdata: " + root + "/ProgramData\n" +
         "appdata: " + root + "/AppData/Roaming\n" +
         "localappdata: " + root + "/AppData/Local\n" +
         "windows: " + root + "/Windows\n" +
         "program-folder: " + programFolder + "\n";
}

TEST(PathsCommand, ListsEveryFolderBelowTheGivenHome) {
  TempDir scratch;
  const fs::path home = scratch / "home";
  const CliRun run = runCli(scratch, "--home '" + home.string() + "' paths");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, expectedPaths(home.string()));
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(fs::is_directory(home / "ProgramData"));
  EXPECT_TRUE(fs::is_directory(home / "AppData" / "Roaming"));
  EXPECT_TRUE(fs::is_directory(home / "AppData" / "Local"));
}

TEST(PathsCommand, WithoutHomeTheEnvironmentChoosesTheDataRoot) {
  TempDir scratch;
  const fs::path home = scratch / "from-env";
  const CliRun run = runCli(scratch, "paths", home.string());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, expectedPaths(home.string()));
}

TEST(PathsCommand, HomeOptionWinsOverTheEnvironment) {
  TempDir scratch;
  const fs::path home = scratch / "option";
  const CliRun run = runCli(scratch, "--home '" + home.string() + "' paths",
                         (scratch / "env").string());
  EXPECT_EQ(run.out, expectedPaths(home.string()));
  EXPECT_FALSE(fs::exists(scratch / "env"));
}

TEST(PathsCommand, ExtraArgumentsAreAUsageError) {
  TempDir scratch;
  const CliRun run = runCli(scratch, "--home '" + (scratch / "home").string() + "' paths now");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "unexpected argument: now\nsee: mapsetdesk-cli paths --help\n");
  EXPECT_FALSE(fs::exists(scratch / "home"));
}

}  // namespace
}  // namespace mapsetdesk
