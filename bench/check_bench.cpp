// Times the health check of 1000 registered mapsets and 200 gmap packages
// against the catalogue refresh (TDBlesen and GMPFileslisten) of the same
// installation in the same run, on the registry this build uses. Every
// mapset is whole: its TDB, overview, two tiles, a TYP and an index file of
// its FID; every package is mkgmap's with a FID of its own. Target: the
// check takes at most twice the refresh.
//
// usage: check_bench
//   The files are the mkgmap files the tests make (the folder named by
//   MAPSETDESK_GARMIN_FILES).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "check/HealthCheck.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbRename.h"
#include "formats/TypHeader.h"
#include "platform/CountingDialogs.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"

namespace {

using namespace mapsetdesk;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kMapsets = 1000;
constexpr int kPackages = 200;
constexpr int kRounds = 5;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

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

std::string tdbOf(const std::string& source, const std::string& name, std::uint16_t fid) {
  TdbRenamed renamed = renameTdbBytes(source, name);
  renamed.bytes[5] = static_cast<char>(fid & 0xFF);
  renamed.bytes[6] = static_cast<char>(fid >> 8);
  applyTdbChecksum(renamed.bytes);
  return renamed.bytes;
}

void addMapset(Registry& registry, const std::string& base, const fs::path& garmin,
               const fs::path& folder, int n) {
  const auto fid = static_cast<std::uint16_t>(1000 + n);
  const fs::path mapset = garmin / "mapset";
  writeWhole(folder / "karte.tdb",
             tdbOf(readWhole(mapset / "osmmap.tdb"), "Karte " + std::to_string(n), fid));
  for (const char* file : {"63240001.img", "63240002.img"})
    fs::copy_file(mapset / file, folder / file, fs::copy_options::overwrite_existing);
  fs::copy_file(mapset / "osmmap.img", folder / "karte.img", fs::copy_options::overwrite_existing);
  fs::copy_file(garmin / "typ" / "harz-typ.typ", folder / "karte.typ",
                fs::copy_options::overwrite_existing);
  fs::copy_file(mapset / "osmmap.mdx", folder / "karte.mdx", fs::copy_options::overwrite_existing);
  patchTypFid(pathText(folder / "karte.typ"), fid);
  patchMdxFid(pathText(folder / "karte.mdx"), fid);
  const std::string family =
      familyKeyPath(base, RegistrationRoot::Families, "Karte" + std::to_string(fid));
  const std::string product = family + "\\1";
  const Root hklm = Root::LocalMachine;
  ffStringSpeichern(registry, hklm, family, kValueId, fidByteText(fid));
  fStringSpeichern(registry, hklm, family, kValueTyp, pathText(folder / "karte.typ"));
  fStringSpeichern(registry, hklm, family, kValueIdx, pathText(folder / "karte.mdx"));
  fStringSpeichern(registry, hklm, product, kValueTdb, pathText(folder / "karte.tdb"));
  fStringSpeichern(registry, hklm, product, kValueBmap, pathText(folder / "karte.img"));
  fStringSpeichern(registry, hklm, product, kValueLoc, pathText(folder / ""));
}

void addPackage(const fs::path& garmin, const fs::path& maps, int n) {
  const auto fid = static_cast<std::uint16_t>(20000 + n);
  const fs::path package = maps / ("Paket " + std::to_string(n) + ".gmap");
  fs::copy(garmin / "mapset" / "Harz Familie.gmap", package, fs::copy_options::recursive);
  std::string xml = readWhole(package / "Info.xml");
  xml.replace(xml.find("<ID>4711</ID>"), 13, "<ID>" + std::to_string(fid) + "</ID>");
  writeWhole(package / "Info.xml", xml);
  const fs::path tdb = package / "Product3" / "osmmap.tdb";
  writeWhole(tdb, tdbOf(readWhole(tdb), "Paket " + std::to_string(n), fid));
  patchMdxFid(pathText(package / "osmmap.mdx"), fid);
}

template <typename Work>
double bestOf(Work work) {
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    work();
    best = std::min(best, secondsSince(start));
  }
  return best;
}

}  // namespace

int main() {
  const char* garminFolder = std::getenv("MAPSETDESK_GARMIN_FILES");
  if (garminFolder == nullptr) {
    std::fprintf(stderr, "usage: MAPSETDESK_GARMIN_FILES=FOLDER check_bench\n");
    return 2;
  }
  const fs::path garmin = garminFolder;
  const auto stamp = std::to_string(Clock::now().time_since_epoch().count());
  const fs::path scratch = fs::temp_directory_path() / ("mapsetdesk-check-bench-" + stamp);
  PlatformOptions options;
  options.dataRoot = pathText(scratch / "home");
  const auto registry = openSystemRegistry(options);
  ScratchFacts facts(scratch);
  CountingDialogs dialogs;
  const std::string base = "SOFTWARE\\mapsetdesk-bench-" + stamp;

  auto start = Clock::now();
  for (int n = 0; n < kMapsets; ++n)
    addMapset(*registry, base, garmin, scratch / "Karten" / std::to_string(n), n);
  const GmapFolders folders = gmapFolders(*registry, facts, base);
  fs::create_directories(filePath(folders.allUsers));
  for (int n = 0; n < kPackages; ++n) addPackage(garmin, filePath(folders.allUsers), n);
  std::printf("setup of %d mapsets and %d packages: %.1f s\n", kMapsets, kPackages,
              secondsSince(start));

  std::size_t rows = 0;
  const double refresh = bestOf([&] {
    rows = TDBlesen(*registry, dialogs, base, "fehler25").rows.size() +
           GMPFileslisten(folders, dialogs).rows.size();
  });
  std::size_t findings = 0;
  const CheckPlace place{base, {base + "-unused"}, folders, "fehler25"};
  const double check = bestOf([&] {
    findings = checkInstallation(*registry, dialogs, place).findings.size();
  });
  std::printf("best of %d runs: catalogue refresh %.3f s (%zu rows), check %.3f s "
              "(%zu findings)\n",
              kRounds, refresh, rows, check, findings);
  std::printf("ratio check / refresh: %.2f (target: at most 2)\n", check / refresh);

  deleteKeyTree(*registry, Root::LocalMachine, base);
  std::error_code error;
  fs::remove_all(scratch, error);
  return findings == 0 ? 0 : 1;
}
