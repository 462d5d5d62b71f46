// The runner with real child processes: the probe program of the stand-ins
// prints, pauses and echoes its arguments as each case asks.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/ToolRunner.h"
#include "standins/runnerprobe/FloodText.h"
#include "support/Standins.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

class Recorder : public CaptureWatcher {
 public:
  void pipeReady() override { ++pipeReadies; }
  void quietDot() override { dots.push_back(Clock::now()); }
  void readFailed() override { ++readFailures; }
  void letEventsRun() override { ++eventRuns; }

  int pipeReadies = 0;
  std::vector<Clock::time_point> dots;
  int readFailures = 0;
  int eventRuns = 0;
};

std::string quoted(const std::filesystem::path& path) {
  return '"' + pathText(std::filesystem::path(path).make_preferred()) + '"';
}

class ToolRunnerProcess : public ::testing::Test {
 protected:
  // The probe with its steps.
  std::string probe(const std::string& steps) const {
    return quoted(standin("runnerprobe.exe")) + " " + steps;
  }
  CapturedRun capture(const std::string& commandLine) {
    const auto started = Clock::now();
    CapturedRun run = runner.capture(commandLine, watcher);
    elapsed = std::chrono::duration_cast<Ms>(Clock::now() - started);
    EXPECT_EQ(watcher.readFailures, 0);
    return run;
  }

  std::unique_ptr<ProcessLauncher> launcher = openSystemProcessLauncher();
  ToolRunner runner{*launcher};
  Recorder watcher;
  Ms elapsed{0};
  TempDir scratch;
};

TEST_F(ToolRunnerProcess, AProgramThatPrintsNothingAndEndsAtOnce) {
  const CapturedRun run = capture(probe(""));
  EXPECT_EQ(run.failure, CaptureFailure::None);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(watcher.pipeReadies, 1);
  // At most the dots that the time the program took allows.
  EXPECT_LE(static_cast<long long>(watcher.dots.size()), elapsed.count() / 20 + 1);
}

TEST_F(ToolRunnerProcess, OutputLargerThanThePipeBufferArrivesWholeAndInOrder) {
  for (const std::size_t bytes :
       {std::size_t{65535}, std::size_t{65536}, std::size_t{65537}, std::size_t{3} << 20}) {
    const CapturedRun run = capture(probe("flood " + std::to_string(bytes)));
    ASSERT_EQ(run.output.size(), bytes);
    EXPECT_TRUE(run.output == floodText(bytes)) << bytes << " bytes differ";
  }
}

TEST_F(ToolRunnerProcess, OutputWrittenJustBeforeTheEndIsCollected) {
  EXPECT_EQ(capture(probe("say first pause 150 say last")).output, "first\nlast\n");
  EXPECT_EQ(capture(probe("pause 100 flood 100000")).output, floodText(100000));
}

TEST_F(ToolRunnerProcess, StandardErrorIsNotCollected) {
  EXPECT_EQ(capture(probe("complain oops say out complain again")).output, "out\n");
}

TEST_F(ToolRunnerProcess, DotsComeAtMostOncePer20MsWhileTheProgramIsQuiet) {
  capture(probe("pause 300"));
  ASSERT_FALSE(watcher.dots.empty());
  for (std::size_t i = 1; i < watcher.dots.size(); ++i)
    EXPECT_GE(watcher.dots[i] - watcher.dots[i - 1], Ms{20});
  EXPECT_GE(watcher.eventRuns, static_cast<int>(watcher.dots.size()));
}

TEST_F(ToolRunnerProcess, AMissingProgramIsNotStartedAndGivesNoOutput) {
  const CapturedRun run = capture(quoted(scratch / "missing.exe") + " -S");
  EXPECT_EQ(run.failure, CaptureFailure::NotStarted);
  EXPECT_EQ(run.output, "");
  EXPECT_TRUE(watcher.dots.empty());
}

TEST_F(ToolRunnerProcess, QuotedPathsWithBlanksReachTheProgramAsItsArguments) {
  const std::filesystem::path folder = scratch / "tool folder";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(standin("runnerprobe.exe"), folder / "runnerprobe.exe");
  const std::string line = quoted(folder / "runnerprobe.exe") +
                           R"( args -o "C:\My Maps\Harz" -c 1252 "a \"quoted\" word" x"y z" "")";
  EXPECT_EQ(capture(line).output,
            "[-o]\n[C:\\My Maps\\Harz]\n[-c]\n[1252]\n[a \"quoted\" word]\n[xy z]\n[]\n");
}

TEST_F(ToolRunnerProcess, AnUnquotedProgramPathWithBlanksIsFound) {
  const std::filesystem::path folder = scratch / "Program Files" / "Z";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(standin("runnerprobe.exe"), folder / "runnerprobe.exe");
  const std::string line =
      pathText(std::filesystem::path(folder / "runnerprobe.exe").make_preferred()) + " args one";
  EXPECT_EQ(capture(line).output, "[one]\n");
}

TEST_F(ToolRunnerProcess, AProgramNamedWithoutItsExeExtensionIsFound) {
  const std::filesystem::path program = standin("runnerprobe.exe").replace_extension();
  EXPECT_EQ(capture(quoted(program) + " args x").output, "[x]\n");
}

TEST_F(ToolRunnerProcess, OutputAndCommandLineCrossTheAnsiCodePage) {
  EXPECT_EQ(capture(probe("say \"Karte S\xC3\xBC"
                          "d\""))
                .output,
            "Karte S\xC3\xBC"
            "d\n");
}

TEST_F(ToolRunnerProcess, ThePlainRunWaitsForTheEnd) {
  const auto started = Clock::now();
  EXPECT_TRUE(runner.RunAndWait(probe("pause 200"), WindowStyle::Hidden));
  EXPECT_GE(Clock::now() - started, Ms{200});
  EXPECT_TRUE(runner.RunAndWait(probe(""), WindowStyle::MinimizedFocus));
}

TEST_F(ToolRunnerProcess, AMissingProgramCannotBeRunOrStarted) {
  EXPECT_FALSE(runner.RunAndWait(quoted(scratch / "missing.exe"), WindowStyle::NormalFocus));
  EXPECT_FALSE(runner.startDetached(quoted(scratch / "missing.exe"), WindowStyle::MinimizedFocus));
  EXPECT_TRUE(runner.startDetached(probe(""), WindowStyle::MinimizedFocus));
}

}  // namespace
}  // namespace mapsetdesk::testing
