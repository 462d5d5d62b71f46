#pragma once
// The outside-tool runner: the two ways in which the outside programs
// (gmt.exe, cgpsmapper, mkgmap through java, SetACL.exe) are started and
// waited for. The captured run collects the program's standard output while
// the windows keep painting; the plain run only waits. Neither looks at the
// exit code: callers judge a run by the files it was to write.
#include <chrono>
#include <functional>
#include <string>

#include "platform/ProcessLauncher.h"

namespace mapsetdesk {

// What a captured run tells the window that shows it, while it lasts.
class CaptureWatcher {
 public:
  virtual ~CaptureWatcher() = default;
  // The pipe exists; the program is about to start.
  virtual void pipeReady() {}
  // More than 20 ms passed without output since the last dot.
  virtual void quietDot() {}
  // A read from the pipe failed; the run goes on.
  virtual void readFailed() {}
  // After every look at the pipe: pending window events may run.
  virtual void letEventsRun() {}
};

struct CapturedRun {
  CaptureFailure failure = CaptureFailure::None;
  std::string output;  // empty unless the program was started
};

// Milliseconds of a steady clock, like the system's tick count.
using TickClock = std::function<std::chrono::milliseconds()>;
std::chrono::milliseconds steadyTicks();

class ToolRunner {
 public:
  explicit ToolRunner(ProcessLauncher& launcher, TickClock clock = steadyTicks)
      : launcher_(launcher), clock_(std::move(clock)) {}

  // Runs the command line hidden and collects everything it writes to its
  // standard output, in order, until the pipe is empty and the program has
  // ended. There is no time limit.
  CapturedRun capture(const std::string& commandLine, CaptureWatcher& watcher);

  // The plain run: window style 0 hidden, 1 normal, 2 minimised; waits
  // without time limit and lets no events run meanwhile. False when the
  // program could not be started.
  bool RunAndWait(const std::string& commandLine, WindowStyle style) {
    return launcher_.runAndWait(commandLine, style);
  }

  // Whether the outside program at path (or the companion file a program
  // needs beside it) is there to run, in place of a check for the file.
  bool hasProgram(const std::string& path) { return launcher_.hasProgram(path); }

  // Starts the command line and returns at once.
  bool startDetached(const std::string& commandLine, WindowStyle style) {
    return launcher_.startDetached(commandLine, style);
  }

 private:
  ProcessLauncher& launcher_;
  TickClock clock_;
};

}  // namespace mapsetdesk
