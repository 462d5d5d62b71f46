// A program for the runner's tests: it does what its arguments say, one step
// after another, so a test can shape a child's output and timing. Its output
// is raw bytes, LF line ends on every system.
//   say TEXT      one line on standard output
//   banner        gmt's banner line
//   flood BYTES   that many bytes of numbered lines (see floodText)
//   flush         hands what was written so far to the pipe
//   pause MS      waits (after a flush)
//   complain TEXT one line on standard error
//   args REST...  every remaining argument on a line of its own, in brackets
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/messages/ToolRunnerTexts.h"
#include "platform/StdoutBinary.h"
#include "runnerprobe/FloodText.h"

int main(int argc, char** argv) {
  mapsetdesk::setStdoutBinary();
  for (int i = 1; i < argc; ++i) {
    const std::string step = argv[i];
    const bool hasValue = i + 1 < argc;
    if (step == "say" && hasValue) {
      std::printf("%s\n", argv[++i]);
    } else if (step == "banner") {
      std::printf("%s\n", std::string(mapsetdesk::kGmtBanner).c_str());
    } else if (step == "flood" && hasValue) {
      const std::string text = mapsetdesk::floodText(std::strtoul(argv[++i], nullptr, 10));
      std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (step == "flush") {
      std::fflush(stdout);
    } else if (step == "pause" && hasValue) {
      std::fflush(stdout);
      std::this_thread::sleep_for(std::chrono::milliseconds(std::strtoul(argv[++i], nullptr, 10)));
    } else if (step == "complain" && hasValue) {
      std::fprintf(stderr, "%s\n", argv[++i]);
    } else if (step == "args") {
      for (++i; i < argc; ++i) std::printf("[%s]\n", argv[i]);
    } else {
      std::fprintf(stderr, "runnerprobe: unknown step %s\n", step.c_str());
      return 2;
    }
  }
  return 0;
}
