#pragma once
// A launcher whose programs follow a script on a made-up clock, for the
// captured run's loop: output that arrives at set times, the moment the
// program ends, reads that fail, a pipe or a start that fails. A wait moves
// the clock to the next scripted event or by its limit, whichever is sooner.
#include <chrono>
#include <string>
#include <vector>

#include "platform/ToolRunner.h"

namespace mapsetdesk::testing {

class ScriptedLauncher : public ProcessLauncher {
 public:
  using Ms = std::chrono::milliseconds;
  struct Chunk {
    Ms at{0};
    std::string bytes;
    // Arrives only once the runner has seen the program ended: output that
    // came after its last look at the pipe.
    bool afterTheEndWasSeen = false;
  };

  // The script of every program started.
  CaptureFailure failure = CaptureFailure::None;
  std::vector<Chunk> output;
  Ms endsAt{0};
  int failingReads = 0;  // so many reads in a row fail, from the first on

  Ms now{0};
  TickClock clock() {
    return [this] { return now; };
  }

  // What the runner did.
  std::vector<std::string> started;  // command lines
  std::vector<Ms> waits;             // the limit of every wait
  int looks = 0;                     // questions how much the pipe holds

  CapturedStart startCaptured(const std::string& commandLine,
                              const std::function<void()>& pipeReady) override;
  bool runAndWait(const std::string& commandLine, WindowStyle style) override;
  bool startDetached(const std::string& commandLine, WindowStyle style) override;
  // Marks the conversion, so a test sees that it happened.
  std::string outputText(std::string_view bytes) override { return "text:" + std::string(bytes); }

 private:
  class Child;
};

}  // namespace mapsetdesk::testing
