#include "platform/ToolRunner.h"

#include <algorithm>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

using std::chrono::milliseconds;

// A dot is due when more than this has passed without output.
constexpr milliseconds kDotInterval{20};
// Reading from a pipe that has failed this often in a row is given up; the
// run then only waits for the program to end, instead of showing the failure
// for ever.
constexpr int kFailedReadsGivingUp = 3;
// Right after output the pipe is likely to fill again soon, so the first
// waits of a quiet spell are short; they grow to the dot's rhythm, one wait
// per dot. (Windows cannot wait for an anonymous pipe to fill; it wakes for
// the program's end and for input to the windows.)
constexpr milliseconds kLongestQuietWait = kDotInterval + milliseconds{1};

// The polling loop of the captured run: look at the pipe; take what it holds,
// or else test for the end and add a dot after 20 ms of quiet; let the
// window events run; again, until the pipe is empty and the program has ended.
class OutputCollector {
 public:
  OutputCollector(CapturedChild& child, CaptureWatcher& watcher, const TickClock& clock)
      : child_(child), watcher_(watcher), clock_(clock), lastDot_(clock()) {}

  std::string collect() {
    for (;;) {
      const std::size_t waiting = pipeUsable() ? child_.bytesWaiting() : 0;
      if (waiting > 0) {
        take(waiting);
      } else if (quietSpellEnds()) {
        break;
      }
      watcher_.letEventsRun();
    }
    return std::move(bytes_);
  }

 private:
  bool pipeUsable() const { return failedReads_ < kFailedReadsGivingUp; }

  void take(std::size_t waiting) {
    quietWait_ = milliseconds{0};
    if (auto chunk = child_.read(waiting)) {
      bytes_ += *chunk;
      failedReads_ = 0;
    } else {
      ++failedReads_;
      watcher_.readFailed();
    }
  }

  // The pipe was empty: true when the program has ended and nothing came
  // after that look at the pipe; else waits a little.
  bool quietSpellEnds() {
    const bool ended = child_.ended();
    const milliseconds now = clock_();
    if (now - lastDot_ > kDotInterval) {
      watcher_.quietDot();
      watcher_.letEventsRun();
      lastDot_ = now;
    }
    // Output written just before the end may have arrived after the look at
    // the pipe; it is read before the loop ends.
    if (ended) return !pipeUsable() || child_.bytesWaiting() == 0;
    const milliseconds untilDot = lastDot_ + kLongestQuietWait - now;
    child_.waitQuiet(std::min(quietWait_, untilDot));
    quietWait_ = std::min(std::max(quietWait_ * 2, milliseconds{1}), kLongestQuietWait);
    return false;
  }

  CapturedChild& child_;
  CaptureWatcher& watcher_;
  const TickClock& clock_;
  milliseconds lastDot_;
  milliseconds quietWait_{0};
  int failedReads_ = 0;
  std::string bytes_;
};

}  // namespace

milliseconds steadyTicks() {
  return std::chrono::duration_cast<milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

CapturedRun ToolRunner::capture(const std::string& commandLine, CaptureWatcher& watcher) {
  CapturedStart start = launcher_.startCaptured(commandLine, [&watcher] { watcher.pipeReady(); });
  if (start.failure != CaptureFailure::None) return {start.failure, {}};
  const std::string bytes = OutputCollector(*start.child, watcher, clock_).collect();
  start.child.reset();
  return {CaptureFailure::None, launcher_.outputText(bytes)};
}

}  // namespace mapsetdesk

namespace mapsetdesk {

bool ProcessLauncher::hasProgram(const std::string& path) { return isFile(path); }

}  // namespace mapsetdesk
