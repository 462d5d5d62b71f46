// Registers 1000 families as an installation does (ID in the family key, TDB,
// BMAP and LOC in its product key "1", TYP last) and reads every value back
// through fRegAbfrageWert, on the registry this build uses and in memory, and
// reports the time per read; then imports the same values as one .reg file.
// Everything lies below a scratch key of its own, removed at the end, and on
// POSIX in a scratch data root.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Codec.h"
#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"

namespace {

using namespace mapsetdesk;
using Clock = std::chrono::steady_clock;

constexpr int kFamilies = 1000;
constexpr int kRounds = 5;
const std::string kBase = "SOFTWARE\\mapsetdesk-bench";
const std::string kFamiliesRoot = kBase + "\\Garmin\\MapSource\\Families\\";

struct Read {
  std::string path;
  std::string name;
  std::string expected;
};

// Mapname as the installation forms it: blanks as "_", padded with "o", 8 long.
std::string mapname(int index) {
  return ("Karte_" + std::to_string(index) + "oooooooo").substr(0, 8);
}

// FIDs whose bytes are neither zero nor a blank, which the text reader would
// cut or trim away.
std::vector<unsigned> fids() {
  std::vector<unsigned> found;
  for (unsigned fid = 2000; found.size() < kFamilies; ++fid) {
    const unsigned low = fid & 0xFF;
    if (low != 0 && low != ' ') found.push_back(fid);
  }
  return found;
}

std::vector<Read> registrations() {
  std::vector<Read> reads;
  const std::vector<unsigned> familyIds = fids();
  for (int i = 0; i < kFamilies; ++i) {
    const unsigned fid = familyIds[i];
    const std::string name = mapname(i);
    const std::string family = kFamiliesRoot + name + std::to_string(fid);
    const std::string folder = "C:\\Garmin\\Maps\\" + name + "\\";
    reads.push_back(
        {family, "ID",
         fromAnsi(std::string{static_cast<char>(fid & 0xFF), static_cast<char>(fid >> 8)})});
    reads.push_back({family + "\\1", "TDB", folder + name + ".tdb"});
    reads.push_back({family + "\\1", "BMAP", folder + name + ".img"});
    reads.push_back({family + "\\1", "LOC", folder});
    reads.push_back({family, "TYP", folder + name + ".typ"});
  }
  return reads;
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double writeAll(Registry& registry, const std::vector<Read>& reads) {
  const auto start = Clock::now();
  for (const auto& r : reads) {
    if (r.name == "ID")
      ffStringSpeichern(registry, Root::LocalMachine, r.path, r.name, r.expected);
    else
      fStringSpeichern(registry, Root::LocalMachine, r.path, r.name, r.expected);
  }
  return secondsSince(start);
}

// Nanoseconds per read, best of several rounds; mismatches are counted.
double readAll(Registry& registry, const std::vector<Read>& reads, int& mismatches) {
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    for (const auto& r : reads)
      if (fRegAbfrageWert(registry, Root::LocalMachine, r.path, r.name) != r.expected) ++mismatches;
    best = std::min(best, secondsSince(start) * 1e9 / static_cast<double>(reads.size()));
  }
  return best;
}

// The same values as one .reg import into an empty registry.
double importAll(Registry& registry, const std::vector<Read>& reads) {
  std::vector<RegOperation> operations;
  for (const auto& r : reads) {
    const bool id = r.name == "ID";
    operations.push_back({RegOperation::Kind::SetValue, Root::LocalMachine, toAnsi(r.path),
                          RegValue{r.name, id ? kRegBinary : kRegSz, toAnsi(r.expected)}});
  }
  const auto start = Clock::now();
  importRegOperations(registry, operations);
  return secondsSince(start);
}

}  // namespace

int main() {
  const auto dataRoot =
      std::filesystem::temp_directory_path() /
      ("mapsetdesk-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
  PlatformOptions options;
  options.dataRoot = dataRoot.string();
  const auto system = openSystemRegistry(options);
  MemoryRegistry memory;
  const std::vector<Read> reads = registrations();

  const double systemWrite = writeAll(*system, reads);
  const double memoryWrite = writeAll(memory, reads);
  int mismatches = 0;
  const double systemRead = readAll(*system, reads, mismatches);
  const double memoryRead = readAll(memory, reads, mismatches);
  // A registry that has not read the hive yet pays for parsing it once.
  const auto coldStart = Clock::now();
  const auto cold = openSystemRegistry(options);
  fRegAbfrageWert(*cold, Root::LocalMachine, reads.front().path, reads.front().name);
  const double firstRead = secondsSince(coldStart);
  PlatformOptions importOptions;
  importOptions.dataRoot = (dataRoot / "import").string();
  const auto importTarget = openSystemRegistry(importOptions);
  const double systemImport = importAll(*importTarget, reads);

  std::printf("families: %d, values: %zu, read rounds: %d\n", kFamilies, reads.size(), kRounds);
  std::printf("write, system registry: %.3f s (%.1f us per value)\n", systemWrite,
              systemWrite * 1e6 / static_cast<double>(reads.size()));
  std::printf("write, memory registry: %.3f s (%.2f us per value)\n", memoryWrite,
              memoryWrite * 1e6 / static_cast<double>(reads.size()));
  std::printf("read,  system registry: %.0f ns per fRegAbfrageWert\n", systemRead);
  std::printf("read,  memory registry: %.0f ns per fRegAbfrageWert\n", memoryRead);
  std::printf("ratio system / memory:  %.2f (target: at most 3)\n", systemRead / memoryRead);
  std::printf("first read of a fresh system registry (parses the hive): %.2f ms\n",
              firstRead * 1e3);
  std::printf("import of the same values as one .reg file, system registry: %.3f s\n",
              systemImport);
  std::printf("mismatched reads: %d\n", mismatches);

  // The file registry goes with its data root; the Windows registry, which
  // leaves the data root unused, needs the scratch key removed.
  std::error_code ignored;
  if (!std::filesystem::exists(dataRoot, ignored))
    deleteKeyTree(*system, Root::LocalMachine, kBase);
  std::filesystem::remove_all(dataRoot, ignored);
  return mismatches == 0 ? 0 : 1;
}
