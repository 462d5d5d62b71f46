// The built-in overview compiler against mkgmap on one overview source of
// 5000 tiles, in the same run: the built-in's time (best of several runs,
// each writing NAME.img) and mkgmap's (one run of java -jar mkgmap.jar), and
// how many times faster the built-in is. Targets: under 0.5 s, at least 20x.
//
// usage: compile_bench [MKGMAP_JAR]   (default /usr/share/mkgmap/mkgmap.jar)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "builtin/OverviewCompiler.h"
#include "platform/FilePath.h"
#include "platform/ToolRunner.h"

namespace {

constexpr int kTiles = 5000;
constexpr int kRuns = 5;

class QuietReport : public mapsetdesk::builtin::ToolReport {
 public:
  void line(const std::string&) override {}
};

// What the built-in gmt writes for 5000 tiles of 0.125 degrees, 100 a row.
std::string source() {
  std::string text = "[IMG ID]\r\nID=63240000\r\nName=Bench\r\nCodePage=1252\r\nLblCoding=9\r\n"
                     "Levels=2\r\nLevel0=16\r\nLevel1=15\r\nZoom0=3\r\nZoom1=4\r\n[END-IMG ID]\r\n";
  char area[256];
  for (int i = 0; i < kTiles; ++i) {
    const double north = 60.0 - 0.125 * (i / 100), west = 5.0 + 0.125 * (i % 100);
    const double south = north - 0.125, east = west + 0.125;
    std::snprintf(area, sizeof area,
                  "\r\n[POLYGON]\r\nType=0x4a\r\nLabel=%08d\r\nEndLevel=0\r\n"
                  "Data0=(%.6f,%.6f),(%.6f,%.6f),(%.6f,%.6f),(%.6f,%.6f)\r\n[END]\r\n",
                  63240001 + i, north, west, north, east, south, east, south, west);
    text += area;
  }
  return text;
}

double seconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using clock = std::chrono::steady_clock;
  const std::string jar = argc > 1 ? argv[1] : "/usr/share/mkgmap/mkgmap.jar";
  const fs::path folder = fs::temp_directory_path() / "mapsetdesk-compile-bench";
  fs::create_directories(folder);
  const fs::path mp = folder / "Benchooo.mp";
  std::ofstream(mp, std::ios::binary) << source();

  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    QuietReport report;
    const auto start = clock::now();
    if (!mapsetdesk::builtin::compileOverview(mapsetdesk::pathText(mp), report)) {
      std::fprintf(stderr, "compile_bench: the built-in compiler wrote no IMG\n");
      return 1;
    }
    best = std::min(best, seconds(clock::now() - start));
  }
  std::printf("built-in: %d tiles in %.3f s (best of %d), %ju bytes\n", kTiles, best, kRuns,
              static_cast<std::uintmax_t>(fs::file_size(folder / "Benchooo.img")));

  const auto launcher = mapsetdesk::openSystemProcessLauncher();
  mapsetdesk::ToolRunner runner(*launcher);
  mapsetdesk::CaptureWatcher quiet;
  const auto start = clock::now();
  const auto run = runner.capture("java -jar " + jar + " --output-dir=" + mapsetdesk::pathText(folder / "mkgmap") +
                                      " --code-page=1252 --mapname=63240000 " + mapsetdesk::pathText(mp),
                                  quiet);
  const double mkgmap = seconds(clock::now() - start);
  if (run.failure != mapsetdesk::CaptureFailure::None || !fs::exists(folder / "mkgmap" / "63240000.img")) {
    std::fprintf(stderr, "compile_bench: mkgmap did not run (%s)\n", jar.c_str());
    return 1;
  }
  std::printf("mkgmap:   %d tiles in %.3f s\n", kTiles, mkgmap);
  std::printf("built-in is %.0fx faster (targets: under 0.5 s, at least 20x)\n", mkgmap / best);
  fs::remove_all(folder);
  return 0;
}
