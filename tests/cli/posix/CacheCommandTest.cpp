// mapsetdesk-cli cache and cache-clear on a data root of the test's own: the
// caches lie below its special folders, as the embedded default keeps them.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::TempDir;

constexpr std::uintmax_t kMB = 1048476;

class CacheCommand : public ::testing::Test {
 protected:
  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.string()});
    return testing::runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  void fileOfSize(const fs::path& file, std::uintmax_t bytes) {
    testing::writeFile(file, "");
    fs::resize_file(file, bytes);
  }

  TempDir scratch;
  fs::path home = scratch / "home";
  fs::path baseCamp = home / "AppData" / "Local" / "Garmin" / "BaseCamp" / "TileCache";
  fs::path mapInstall = home / "AppData" / "Local" / "Garmin" / "MapInstall" / "TileCache";
  fs::path mapSource = home / "AppData" / "Roaming" / "GARMIN" / "MapSource" / "TileCache";
  fs::path productData = home / "AppData" / "Local" / "Garmin" / "BaseCamp" / "ProductDataCache";
};

TEST_F(CacheCommand, EveryCacheMissing) {
  const ProgramRun run = cli({"cache"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "basecamp\tmissing\nmapinstall\tmissing\nmapsource\tmissing\n"
            "basecamp-productdata\tmissing\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CacheCommand, SizesInMegabytesAndTheProductDataInBytes) {
  fileOfSize(baseCamp / "a.tile", kMB);
  fileOfSize(mapInstall / "level" / "a.tile", 40000 * kMB);
  fs::create_directories(mapSource);
  fileOfSize(productData / "p.dat", 4711);
  const ProgramRun run = cli({"cache"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "basecamp\t1\tMB\nmapinstall\t40000\tMB\nmapsource\t0\tMB\n"
            "basecamp-productdata\t4711\tbytes\n");
}

TEST_F(CacheCommand, ClearDeletesTheFilesDirectlyInTheCacheAndPrintsWhatIsLeft) {
  for (const char* name : {"1.tile", "2.tile"}) fileOfSize(mapSource / name, kMB);
  fileOfSize(mapSource / "level" / "3.tile", 2 * kMB);
  fileOfSize(baseCamp / "4.tile", kMB);
  const ProgramRun run = cli({"cache-clear", "mapsource"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "2\tMB\n");
  EXPECT_FALSE(fs::exists(mapSource / "1.tile"));
  EXPECT_TRUE(fs::exists(mapSource / "level" / "3.tile"));
  EXPECT_TRUE(fs::exists(baseCamp / "4.tile"));
  EXPECT_EQ(cli({"cache"}).out,
            "basecamp\t1\tMB\nmapinstall\tmissing\nmapsource\t2\tMB\n"
            "basecamp-productdata\tmissing\n");
}

TEST_F(CacheCommand, ClearOfAMissingCacheFailsWithItsMessage) {
  const ProgramRun baseCampRun = cli({"cache-clear", "basecamp"});
  EXPECT_EQ(baseCampRun.exitCode, 1);
  EXPECT_EQ(baseCampRun.err, "Folder Garmin\\BaseCamp\\TileCache is not existing\n");
  const ProgramRun mapInstallRun = cli({"cache-clear", "mapinstall"});
  EXPECT_EQ(mapInstallRun.exitCode, 1);
  EXPECT_EQ(mapInstallRun.err, "Folder \\GARMIN\\Mapinstall\\Tilecache is not existing\n");
  EXPECT_FALSE(fs::exists(baseCamp));
}

TEST_F(CacheCommand, ClearDoesNotReachThroughALinkedCacheFolder) {
  const fs::path elsewhere = scratch / "Documents";
  testing::writeFile(elsewhere / "letter.txt", "keep me");
  fs::create_directories(baseCamp.parent_path());
  fs::create_directory_symlink(elsewhere, baseCamp);
  const ProgramRun run = cli({"--lang", "de", "cache-clear", "basecamp"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "Der Ordner ist eine Verknüpfung zu einem anderen Ordner und wurde nicht "
            "geleert: " +
                baseCamp.string() + "\n");
  EXPECT_TRUE(fs::exists(elsewhere / "letter.txt"));
}

TEST_F(CacheCommand, UsageErrors) {
  fs::create_directories(productData);
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{"cache-clear"},
                                             {"cache-clear", "basecamp-productdata"},
                                             {"cache-clear", "tiles"},
                                             {"cache-clear", "basecamp", "mapsource"},
                                             {"cache", "basecamp"}}) {
    const ProgramRun run = cli(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.back();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("\nsee: mapsetdesk-cli cache"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_directory(productData));
}

}  // namespace
}  // namespace mapsetdesk
