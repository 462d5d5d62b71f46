// Times the full catalogue refresh (TDBlesen and GMPFileslisten) with 500 and
// with 1000 registered mapsets, each with a real TDB whose header is read,
// and a fifth as many gmap packages, on the registry this build uses; then
// with 1000 again after a fifth of the overview files were deleted. All
// mapsets' files share one folder, as a power user's often do. The ratio of
// the first two times shows whether the refresh grows linearly. The plain
// reads are what the refresh cannot do without: exporting the registry base
// and the same file reads alone; the refresh is compared with their sum.
//
// usage: catalogue_bench [TDB OVERVIEW]
//   The files default to osmmap.tdb and osmmap.img of the mkgmap files the
//   tests make (the folder named by MAPSETDESK_GARMIN_FILES).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "formats/FileBytes.h"
#include "formats/InfoXml.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbRename.h"
#include "platform/Codec.h"
#include "platform/CountingDialogs.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 9;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The registry of this build, with the time spent inside its calls counted.
class TimedRegistry : public Registry {
 public:
  explicit TimedRegistry(Registry& inner) : inner_(inner) {}
  double seconds = 0;

  template <typename Call>
  auto timed(Call call) {
    const auto start = Clock::now();
    auto result = call();
    seconds += secondsSince(start);
    return result;
  }

  std::string storedText(Root root, std::string_view utf8) const override {
    return inner_.storedText(root, utf8);
  }
  std::string programText(Root root, std::string_view stored) const override {
    return inner_.programText(root, stored);
  }
  bool canOpen(Root root, const std::string& path) override {
    return timed([&] { return inner_.canOpen(root, path); });
  }
  bool keyExists(Root root, const std::string& path) override {
    return timed([&] { return inner_.keyExists(root, path); });
  }
  std::optional<RegValue> queryValue(Root root, const std::string& path,
                                     const std::string& name) override {
    return timed([&] { return inner_.queryValue(root, path, name); });
  }
  bool createKey(Root root, const std::string& path) override {
    return timed([&] { return inner_.createKey(root, path); });
  }
  bool setValue(Root root, const std::string& path, const RegValue& value) override {
    return timed([&] { return inner_.setValue(root, path, value); });
  }
  bool deleteValue(Root root, const std::string& path, const std::string& name) override {
    return timed([&] { return inner_.deleteValue(root, path, name); });
  }
  bool deleteKey(Root root, const std::string& path) override {
    return timed([&] { return inner_.deleteKey(root, path); });
  }
  std::vector<std::string> subkeyNames(Root root, const std::string& path) override {
    return timed([&] { return inner_.subkeyNames(root, path); });
  }
  std::vector<RegValue> values(Root root, const std::string& path) override {
    return timed([&] { return inner_.values(root, path); });
  }

 private:
  Registry& inner_;
};

// A machine whose map folders lie in the bench's scratch folder.
class ScratchFacts : public SystemFacts {
 public:
  explicit ScratchFacts(fs::path folder) : folder_(std::move(folder)) {}
  std::string versionName() override { return {}; }
  bool IsAdmin() override { return true; }
  std::string myGetUserName() override { return "bench"; }
  std::string WinDir() override { return {}; }
  std::string specialFolder(int folder) override {
    if (folder == kFolderCommonAppData) return pathText(folder_ / "ProgramData");
    if (folder == kFolderAppData) return pathText(folder_ / "Roaming");
    return {};
  }

 private:
  fs::path folder_;
};

std::string readWhole(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeWhole(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

struct Setup {
  Registry& registry;
  std::string base;
  fs::path folder;
  std::string tdb;         // the source TDB's bytes
  fs::path overview;       // the source overview
  std::vector<int> order;  // mapset numbers in registration order
};

// Mapsets first..last-1: a TDB named "Karte <n>" with FID 1000+n, an
// overview, and the family registration; for every fifth number a package.
void addMapsets(Setup& setup, int first, int last) {
  for (int i = first; i < last; ++i) {
    const int n = setup.order[static_cast<std::size_t>(i)];
    std::string name = "Karte ";
    name += std::to_string(n);
    TdbRenamed renamed = renameTdbBytes(setup.tdb, name);
    const auto fid = static_cast<std::uint16_t>(1000 + n);
    renamed.bytes[5] = static_cast<char>(fid & 0xFF);
    renamed.bytes[6] = static_cast<char>(fid >> 8);
    applyTdbChecksum(renamed.bytes);
    const fs::path tiles = setup.folder / "Karten";
    const std::string file = "karte" + std::to_string(n);
    writeWhole(tiles / (file + ".tdb"), renamed.bytes);
    fs::copy_file(setup.overview, tiles / (file + ".img"), fs::copy_options::overwrite_existing);
    const std::string product =
        productKeyPath(setup.base, RegistrationRoot::Families, "Karte" + std::to_string(fid), 1);
    fStringSpeichern(setup.registry, Root::LocalMachine, product, kValueTdb,
                     pathText(tiles / (file + ".tdb")));
    fStringSpeichern(setup.registry, Root::LocalMachine, product, kValueBmap,
                     pathText(tiles / (file + ".img")));
    fStringSpeichern(setup.registry, Root::LocalMachine, product, kValueLoc, pathText(tiles / ""));
    if (n % 5 == 0) {
      std::string package = "Paket ";
      package += std::to_string(n);
      writeWhole(
          setup.folder / "ProgramData" / "GARMIN" / "Maps" / (package + ".gmap") / "Info.xml",
          infoXmlForNewMapset({package, std::to_string(20000 + n), "Paketooo", true}));
    }
  }
}

// Deletes the overview of every fifth mapset; returns how many.
std::size_t deleteOverviews(const Setup& setup) {
  std::size_t deleted = 0;
  for (std::size_t i = 0; i < setup.order.size(); i += 5) {
    const std::string file = "karte" + std::to_string(setup.order[i]) + ".img";
    deleted += fs::remove(setup.folder / "Karten" / file);
  }
  return deleted;
}

struct Timing {
  double total = 1e30;
  double registry = 0;
  double files = 0;
  double export_ = 0;
  std::size_t rows = 0;
  std::size_t packages = 0;
};

// The file reads of one refresh alone: every TDB and overview looked at and
// every header read, every package folder listed and its Info.xml read.
// Returns the time; found counts the files that were there.
double fileReadsAlone(const RegistryCatalogue& catalogue, const GmapFolders& folders,
                      std::size_t& found) {
  const auto start = Clock::now();
  std::error_code error;
  for (const CatalogueRow& row : catalogue.rows) {
    found += fs::is_regular_file(filePath(row.entry.tdb), error);
    found += readTdbHeader(row.entry.tdb).status == FileStatus::Ok;
    found += fs::is_regular_file(filePath(row.entry.overview), error);
  }
  for (const auto& package : fs::directory_iterator(filePath(folders.allUsers), error)) {
    found += static_cast<std::size_t>(
        std::distance(fs::directory_iterator(package.path(), error), fs::directory_iterator()));
    found += readFileBytes(pathText(package.path() / "Info.xml")).status == FileStatus::Ok;
  }
  return secondsSince(start);
}

// Each figure is the best of the rounds on its own. missing: overview files
// known to be absent.
Timing refresh(TimedRegistry& registry, SystemFacts& facts, const std::string& base,
               std::size_t missing) {
  Timing best;
  best.registry = best.files = best.export_ = 1e30;
  CountingDialogs dialogs;
  for (int round = 0; round < kRounds; ++round) {
    registry.seconds = 0;
    const auto start = Clock::now();
    const RegistryCatalogue catalogue = TDBlesen(registry, dialogs, base, "Fehler25: ");
    const GmapFolders folders = gmapFolders(registry, facts, base);
    const GmapCatalogue packages = GMPFileslisten(folders, dialogs);
    best.total = std::min(best.total, secondsSince(start));
    best.registry = std::min(best.registry, registry.seconds);
    std::size_t found = 0;
    best.files = std::min(best.files, fileReadsAlone(catalogue, folders, found));
    const auto exportStart = Clock::now();
    const bool exported = exportRegistryKey(registry, Root::LocalMachine, base).has_value();
    best.export_ = std::min(best.export_, secondsSince(exportStart));
    best.rows = catalogue.rows.size();
    best.packages = packages.rows.size();
    if (!exported) std::printf("the registry export failed\n");
    if (found + missing != 3 * best.rows + 2 * best.packages)
      std::printf("files missing: %zu\n", 3 * best.rows + 2 * best.packages - found);
  }
  if (dialogs.messages != 0) std::printf("unexpected messages: %d\n", dialogs.messages);
  return best;
}

void report(const char* label, const Timing& timing) {
  const double outside = timing.total - timing.registry - timing.files;
  const double plain = timing.export_ + timing.files;
  std::printf(
      "%s: %zu mapsets, %zu packages: %.1f ms (registry %.1f ms, files %.1f ms, "
      "outside %.1f ms = %.0f %%); plain reads %.1f ms (export %.1f ms + files), "
      "refresh / plain reads %.2f (target: at most 3)\n",
      label, timing.rows, timing.packages, timing.total * 1e3, timing.registry * 1e3,
      timing.files * 1e3, outside * 1e3, 100.0 * outside / timing.total, plain * 1e3,
      timing.export_ * 1e3, timing.total / plain);
}

}  // namespace

int main(int argc, char** argv) {
  fs::path tdb;
  fs::path overview;
  if (argc == 3) {
    tdb = argv[1];
    overview = argv[2];
  } else if (const char* garmin = std::getenv("MAPSETDESK_GARMIN_FILES"); argc == 1 && garmin) {
    tdb = fs::path(garmin) / "mapset" / "osmmap.tdb";
    overview = fs::path(garmin) / "mapset" / "osmmap.img";
  } else {
    std::fprintf(stderr, "usage: catalogue_bench [TDB OVERVIEW]\n");
    return 2;
  }
  const auto stamp = std::to_string(Clock::now().time_since_epoch().count());
  const fs::path scratch = fs::temp_directory_path() / ("mapsetdesk-bench-" + stamp);
  PlatformOptions options;
  options.dataRoot = pathText(scratch / "home");
  const auto system = openSystemRegistry(options);
  TimedRegistry registry(*system);
  ScratchFacts facts(scratch);

  Setup setup{registry, "SOFTWARE\\mapsetdesk-bench-" + stamp, scratch, readWhole(tdb), overview,
              {}};
  for (int n = 0; n < 1000; ++n) setup.order.push_back(n);
  std::shuffle(setup.order.begin(), setup.order.end(), std::mt19937(4711));

  auto start = Clock::now();
  addMapsets(setup, 0, 500);
  std::printf("setup of 500 mapsets: %.1f s\n", secondsSince(start));
  const Timing half = refresh(registry, facts, setup.base, 0);
  start = Clock::now();
  addMapsets(setup, 500, 1000);
  std::printf("setup of 500 more: %.1f s\n", secondsSince(start));
  const Timing full = refresh(registry, facts, setup.base, 0);
  const std::size_t deleted = deleteOverviews(setup);
  const Timing gaps = refresh(registry, facts, setup.base, deleted);

  std::printf("best of %d refreshes (each figure on its own):\n", kRounds);
  report(" 500", half);
  report("1000", full);
  std::printf("with %zu overview files missing:\n", deleted);
  report("1000", gaps);
  std::printf("ratio 1000 / 500: %.2f (target: at most 2.3)\n", full.total / half.total);

  deleteKeyTree(*system, Root::LocalMachine, setup.base);
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
  return 0;
}
