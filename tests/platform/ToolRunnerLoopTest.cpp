// The captured run's loop over a scripted program on a made-up clock: what
// it collects, when it adds dots, how it meets failures, and that it waits
// instead of spinning while the program is quiet.
#include <gtest/gtest.h>

#include "support/ScriptedLauncher.h"

namespace mapsetdesk::testing {
namespace {

using Ms = std::chrono::milliseconds;

// Everything the runner reports, with the made-up time of each dot.
class Recorder : public CaptureWatcher {
 public:
  explicit Recorder(const ScriptedLauncher& script) : script_(script) {}
  void pipeReady() override { ++pipeReadies; }
  void quietDot() override { dots.push_back(script_.now); }
  void readFailed() override { ++readFailures; }
  void letEventsRun() override { ++eventRuns; }

  int pipeReadies = 0;
  std::vector<Ms> dots;
  int readFailures = 0;
  int eventRuns = 0;

 private:
  const ScriptedLauncher& script_;
};

class ToolRunnerLoop : public ::testing::Test {
 protected:
  CapturedRun run() { return ToolRunner(script, script.clock()).capture("tool.exe -x", watcher); }

  ScriptedLauncher script;
  Recorder watcher{script};
};

TEST_F(ToolRunnerLoop, CollectsEveryChunkInOrderUntilTheProgramHasEnded) {
  script.output = {{Ms{0}, "first "}, {Ms{35}, "second "}, {Ms{90}, "third"}};
  script.endsAt = Ms{120};
  const CapturedRun captured = run();
  EXPECT_EQ(captured.failure, CaptureFailure::None);
  EXPECT_EQ(captured.output, "text:first second third");
  EXPECT_EQ(script.started, std::vector<std::string>{"tool.exe -x"});
  EXPECT_EQ(watcher.pipeReadies, 1);
  EXPECT_GE(script.now, Ms{120});
}

TEST_F(ToolRunnerLoop, ADotForEachMoreThan20MsOfQuiet) {
  script.endsAt = Ms{500};
  run();
  ASSERT_FALSE(watcher.dots.empty());
  Ms previous{0};
  for (const Ms dot : watcher.dots) {
    EXPECT_GT(dot - previous, Ms{20});
    EXPECT_LE(dot - previous, Ms{21});
    previous = dot;
  }
  EXPECT_EQ(watcher.dots.size(), 500u / 21u);
}

TEST_F(ToolRunnerLoop, AProgramThatEndsAtOnceWithoutOutputGivesEmptyOutputAndNoDot) {
  script.endsAt = Ms{0};
  EXPECT_EQ(run().output, "text:");
  EXPECT_TRUE(watcher.dots.empty());
  EXPECT_TRUE(script.waits.empty());
}

TEST_F(ToolRunnerLoop, WaitsInsteadOfSpinningWhileTheProgramIsQuiet) {
  script.endsAt = Ms{10000};
  run();
  // A few short waits after the start, then one wait up to each next dot.
  EXPECT_LE(script.looks, 10000 / 21 + 10);
  for (const Ms wait : script.waits) EXPECT_LE(wait, Ms{21});
}

TEST_F(ToolRunnerLoop, EventsRunAfterEveryLookAtThePipe) {
  script.output = {{Ms{5}, "x"}};
  script.endsAt = Ms{60};
  run();
  EXPECT_GE(watcher.eventRuns, script.looks - 2);
}

TEST_F(ToolRunnerLoop, OutputThatArrivesAsTheEndIsSeenIsStillCollected) {
  script.output = {{Ms{0}, "early "}, {Ms{40}, "last words", true}};
  script.endsAt = Ms{40};
  EXPECT_EQ(run().output, "text:early last words");
}

TEST_F(ToolRunnerLoop, AFailedReadIsReportedAndTheRunGoesOn) {
  script.output = {{Ms{0}, "all of it"}};
  script.endsAt = Ms{30};
  script.failingReads = 1;
  EXPECT_EQ(run().output, "text:all of it");
  EXPECT_EQ(watcher.readFailures, 1);
}

TEST_F(ToolRunnerLoop, APipeThatKeepsFailingIsGivenUpUntilTheEnd) {
  script.output = {{Ms{0}, "never read"}};
  script.endsAt = Ms{200};
  script.failingReads = 1000;
  const CapturedRun captured = run();
  EXPECT_EQ(captured.output, "text:");
  EXPECT_EQ(watcher.readFailures, 3);
  EXPECT_GE(script.now, Ms{200});
}

TEST_F(ToolRunnerLoop, NoPipeMeansNothingStarted) {
  script.failure = CaptureFailure::PipeNotCreated;
  const CapturedRun captured = run();
  EXPECT_EQ(captured.failure, CaptureFailure::PipeNotCreated);
  EXPECT_EQ(captured.output, "");
  EXPECT_EQ(watcher.pipeReadies, 0);
  EXPECT_TRUE(script.started.empty());
}

TEST_F(ToolRunnerLoop, AProgramThatCannotStartGivesNoOutput) {
  script.failure = CaptureFailure::NotStarted;
  script.output = {{Ms{0}, "unseen"}};
  const CapturedRun captured = run();
  EXPECT_EQ(captured.failure, CaptureFailure::NotStarted);
  EXPECT_EQ(captured.output, "");
  EXPECT_EQ(watcher.pipeReadies, 1);
}

}  // namespace
}  // namespace mapsetdesk::testing
