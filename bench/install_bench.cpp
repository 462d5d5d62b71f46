// The installation run must not do per-tile work that grows with the number
// of tiles. This selects 2000 tiles by drop, then installs 1000 and 2000 of
// them as gmap packages, with the built-in tools (an empty program folder)
// or with the outside programs of the program folder given, and reports the
// time of each run, the ratio of the two (target: at most 2.2), the time the
// tools took, and the share of the run's time spent computing rather than
// waiting for file I/O (processor time over wall time).
//
// usage: install_bench [--program-folder DIR] TILE.img [TILE.img ...]
//   the tiles given are copied to 2000 tile files named 00000001.img ...
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "QuietInstall.h"
#include "builtin/BuiltinGmt.h"
#include "builtin/OverviewCompiler.h"
#include "platform/CpuTime.h"

namespace {

using namespace mapsetdesk;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double seconds(Clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

// Counts the time the outside programs run, started plainly or captured.
class TimedLauncher : public ProcessLauncher {
 public:
  explicit TimedLauncher(ProcessLauncher& inner) : inner_(inner) {}
  CapturedStart startCaptured(const std::string& commandLine,
                              const std::function<void()>& pipeReady) override {
    CapturedStart start = inner_.startCaptured(commandLine, pipeReady);
    if (start.child) start.child = std::make_unique<TimedChild>(std::move(start.child), inside);
    return start;
  }
  bool runAndWait(const std::string& commandLine, WindowStyle style) override {
    const auto begin = Clock::now();
    const bool started = inner_.runAndWait(commandLine, style);
    inside += Clock::now() - begin;
    return started;
  }
  bool startDetached(const std::string& commandLine, WindowStyle style) override {
    return inner_.startDetached(commandLine, style);
  }
  std::string outputText(std::string_view bytes) override { return inner_.outputText(bytes); }
  bool hasProgram(const std::string& path) override { return inner_.hasProgram(path); }

  Clock::duration inside{};

 private:
  class TimedChild : public CapturedChild {
   public:
    TimedChild(std::unique_ptr<CapturedChild> inner, Clock::duration& total)
        : inner_(std::move(inner)), total_(total), begin_(Clock::now()) {}
    ~TimedChild() override { total_ += Clock::now() - begin_; }
    std::size_t bytesWaiting() override { return inner_->bytesWaiting(); }
    std::optional<std::string> read(std::size_t count) override { return inner_->read(count); }
    bool ended() override { return inner_->ended(); }
    void waitQuiet(std::chrono::milliseconds limit) override { inner_->waitQuiet(limit); }

   private:
    std::unique_ptr<CapturedChild> inner_;
    Clock::duration& total_;
    Clock::time_point begin_;
  };

  ProcessLauncher& inner_;
};

// The built-in tools, each call timed like a run of the program it stands for.
builtin::BuiltinOperations timedBuiltins(Clock::duration& inside) {
  const auto timed = [&inside](auto work) {
    const auto begin = Clock::now();
    const bool done = work();
    inside += Clock::now() - begin;
    return done;
  };
  return {[timed](const std::vector<std::string>& arguments, builtin::ToolReport& report) {
            return timed([&] { return builtin::runGmt(arguments, report); });
          },
          [timed](const std::string& source, builtin::ToolReport& report) {
            return timed([&] { return builtin::compileOverview(source, report); });
          },
          [](const std::string&, const std::string&) { return false; }};
}

struct RunFigures {
  bool packaged = false;
  Clock::duration wall{};
  Clock::duration tools{};
  std::chrono::microseconds cpu{};
};

RunFigures installTiles(const std::string& programFolder, const fs::path& home,
                        const std::vector<std::string>& tiles, const std::string& name) {
  const auto system = openSystemProcessLauncher();
  TimedLauncher launcher(*system);
  bench::QuietInstall run(programFolder, home, launcher, timedBuiltins(launcher.inside));
  const NewInstallation job = run.job(tiles, name);
  const auto cpuBefore = processCpuTime();
  const auto begin = Clock::now();
  const RegistryCatalogue nothingRegistered;
  const GmapCatalogue noPackages;
  const InstallResult result = runNewInstallation(run.services, run.session, run.view, job,
                                                  {nothingRegistered, noPackages});
  RunFigures figures;
  figures.wall = Clock::now() - begin;
  figures.cpu = processCpuTime() - cpuBefore;
  figures.tools = launcher.inside;
  figures.packaged = result.outcome == InstallOutcome::Packaged;
  if (!figures.packaged) std::fprintf(stderr, "report: %s\n", run.view.last.c_str());
  return figures;
}

void report(int count, const RunFigures& figures) {
  const double wall = seconds(figures.wall);
  const double cpu = static_cast<double>(figures.cpu.count()) / 1e6;
  std::printf("%d tiles: %.2f s, in the tools %.2f s, the flow itself %.2f s; processor time "
              "%.2f s = %.0f%% of the run outside file I/O\n",
              count, wall, seconds(figures.tools), wall - seconds(figures.tools), cpu,
              100.0 * cpu / wall);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const fs::path root = fs::temp_directory_path() /
                        ("install_bench-" + std::to_string(Clock::now().time_since_epoch().count()));
  std::string programFolder = pathText(root / "program");
  if (args.size() >= 2 && args[0] == "--program-folder") {
    programFolder = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) {
    std::fprintf(stderr, "usage: install_bench [--program-folder DIR] TILE.img [TILE.img ...]\n");
    return 2;
  }
  const std::vector<std::string> samples = args;
  fs::create_directories(filePath(programFolder));

  const std::vector<std::string> all = bench::copiesOf(root / "all", samples, 2000);
  TileSelection selection;
  const auto dropBegin = Clock::now();
  selection.drop(all, pathText(root / "all"), programFolder);
  std::printf("drop of 2000 tiles: %.4f s, %zu entries\n", seconds(Clock::now() - dropBegin),
              selection.entries().size());

  const RunFigures thousand =
      installTiles(programFolder, root / "home1000",
                   bench::copiesOf(root / "t1000", samples, 1000), "B1000");
  const RunFigures twoThousand = installTiles(programFolder, root / "home2000", all, "B2000");
  std::error_code ignored;
  fs::remove_all(root, ignored);
  if (!thousand.packaged || !twoThousand.packaged) {
    std::fprintf(stderr, "install_bench: a run did not make its package\n");
    return 1;
  }
  report(1000, thousand);
  report(2000, twoThousand);
  const double ratio = seconds(twoThousand.wall) / seconds(thousand.wall);
  std::printf("ratio 2000/1000: %.2f (target at most 2.2)\n", ratio);
  return ratio <= 2.2 ? 0 : 1;
}
