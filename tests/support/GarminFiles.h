#pragma once
// The real Garmin files that mkgmap makes once per test run (the
// garmin_files fixture, see tests/data/make-garmin-files.sh), and a scratch
// folder to copy them into before a test changes them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace mapsetdesk::testing {

// The mapset mkgmap was asked for.
inline constexpr unsigned kMkgmapFid = 4711;
inline constexpr unsigned kMkgmapPid = 3;
inline constexpr const char* kMkgmapSeriesName = "Harzkarte S\xFC" "d";  // Windows-1252
inline constexpr unsigned kMkgmapNorthPriority = 27;
inline constexpr unsigned kMkgmapSouthPriority = 22;

class GarminFilesTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // A file of the fixture folder, e.g. "mapset/osmmap.tdb".
  std::filesystem::path garmin(const std::string& relative) const { return root_ / relative; }
  // A copy of a fixture file in the scratch folder, to change.
  std::string copy(const std::string& relative, const std::string& as = {});
  // mkgmap's two tiles copied into the folder, and a tile list naming both
  // (one line each, CR LF) written to list, as an installation hands them to gmt.
  void copyTilesWithList(const std::filesystem::path& folder, const std::filesystem::path& list);
  std::string bytesOf(const std::string& relative) const { return readFile(garmin(relative)); }

  TempDir scratch_;

 private:
  std::filesystem::path root_;
};

}  // namespace mapsetdesk::testing
