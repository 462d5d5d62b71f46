// The captured run must not burn a core while the program it runs is quiet:
// this runs a child that prints nothing for 5 seconds (the bench itself,
// started again) and reports the processor time the runner used meanwhile.
//
// usage: runner_bench [SECONDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/CpuTime.h"
#include "platform/ToolRunner.h"

namespace {

constexpr const char* kQuietChild = "--quiet-child";

class Counter : public mapsetdesk::CaptureWatcher {
 public:
  void quietDot() override { ++dots; }
  void letEventsRun() override { ++eventRuns; }
  long dots = 0;
  long eventRuns = 0;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace std::chrono;
  if (argc == 3 && std::string(argv[1]) == kQuietChild) {
    std::this_thread::sleep_for(milliseconds(std::atol(argv[2])));
    return 0;
  }
  const long seconds = argc > 1 ? std::atol(argv[1]) : 5;
  const std::string child =
      std::string("\"") + argv[0] + "\" " + kQuietChild + " " + std::to_string(seconds * 1000);

  const auto launcher = mapsetdesk::openSystemProcessLauncher();
  mapsetdesk::ToolRunner runner(*launcher);
  Counter counter;
  const auto cpuBefore = mapsetdesk::processCpuTime();
  const auto wallBefore = steady_clock::now();
  const auto run = runner.capture(child, counter);
  const auto wall = duration_cast<microseconds>(steady_clock::now() - wallBefore);
  const auto cpu = mapsetdesk::processCpuTime() - cpuBefore;

  if (run.failure != mapsetdesk::CaptureFailure::None) {
    std::fprintf(stderr, "runner_bench: the quiet child did not start\n");
    return 1;
  }
  const double share = 100.0 * static_cast<double>(cpu.count()) / static_cast<double>(wall.count());
  std::printf("quiet child: %.2f s, runner CPU (user+sys): %.3f s = %.2f%% of one core\n",
              wall.count() / 1e6, cpu.count() / 1e6, share);
  std::printf("dots: %ld (one per %.1f ms), event runs: %ld\n", counter.dots,
              counter.dots ? wall.count() / 1e3 / static_cast<double>(counter.dots) : 0.0,
              counter.eventRuns);
  return share < 10.0 ? 0 : 1;
}
