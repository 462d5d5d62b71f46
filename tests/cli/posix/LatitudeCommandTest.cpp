// mapsetdesk-cli latitude on a data root of the test's own: the same checks,
// messages and registry value as the latitude window.
#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

using testing::ProgramRun;
using testing::TempDir;

constexpr const char* kKey1001 = "Software\\Garmin\\SharedSettings\\Products\\65601537";
constexpr const char* kNothingStored = "es ist kein Breitengrad für diese Karte festgelegt.\n";

class LatitudeCommand : public ::testing::Test {
 protected:
  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home, "--lang", "de"});
    return testing::runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  std::optional<std::uint32_t> stored(const char* key = kKey1001) {
    return fDwordLesen(*openSystemRegistry({home}), Root::CurrentUser, key, "ProjectionAngle");
  }

  TempDir scratch;
  std::string home = (scratch / "home").string();
};

TEST_F(LatitudeCommand, SetShowAndRemove) {
  EXPECT_EQ(cli({"latitude", "1001", "1"}).err, kNothingStored);
  const ProgramRun set = cli({"latitude", "1001", "1", "50"});
  EXPECT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out, "50\n");
  EXPECT_EQ(stored(), 50u);
  EXPECT_EQ(cli({"latitude", "1001", "1"}).out, "50\n");

  const ProgramRun removed = cli({"latitude", "1001", "1", "auto"});
  EXPECT_EQ(removed.exitCode, 0) << removed.err;
  EXPECT_EQ(removed.out, "");
  EXPECT_EQ(removed.err, kNothingStored);
  EXPECT_FALSE(openSystemRegistry({home})->canOpen(Root::CurrentUser, kKey1001));
  EXPECT_EQ(cli({"latitude", "1001", "1"}).err, kNothingStored);
}

TEST_F(LatitudeCommand, RangeAndRounding) {
  EXPECT_EQ(cli({"latitude", "1001", "1", "85"}).out, "85\n");
  EXPECT_EQ(cli({"latitude", "1001", "1", "50.6"}).out, "51\n");
  EXPECT_EQ(stored(), 51u);
  for (const char* refused : {"85.5", "4"}) {
    const ProgramRun run = cli({"latitude", "1001", "1", refused});
    EXPECT_EQ(run.exitCode, 1) << refused;
    EXPECT_EQ(run.out, "") << refused;
    EXPECT_EQ(run.err, "Es sind nur Werte von 5 bis 85 Grad möglich.\n") << refused;
  }
  EXPECT_EQ(stored(), 51u);
}

TEST_F(LatitudeCommand, WrongIdsInTheLanguageSetting) {
  fStringSpeichern(*openSystemRegistry({home}), Root::CurrentUser, "Software\\ZORVAN", "Language",
                   "Eng");
  const std::vector<std::string> inTheSetting{"--home", home};
  const auto run = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), inTheSetting.begin(), inTheSetting.end());
    return testing::runProgram(MAPSETDESK_CLI, arguments, scratch, "de_DE.UTF-8");
  };
  const ProgramRun pid = run({"latitude", "1001", "0", "50"});
  EXPECT_EQ(pid.exitCode, 1);
  EXPECT_EQ(pid.err, "wrong PID\n");
  const ProgramRun fid = run({"latitude", "70000", "1"});
  EXPECT_EQ(fid.exitCode, 1);
  EXPECT_EQ(fid.err, "wrong FID\n");
  EXPECT_EQ(run({"latitude", "1001", "1"}).err, "there are no settings for this map\n");
  EXPECT_FALSE(stored());
}

TEST_F(LatitudeCommand, TheHighestIdsNameTheirKeyWithoutOverflow) {
  EXPECT_EQ(cli({"latitude", "65535", "65535", "12"}).out, "12\n");
  EXPECT_EQ(stored("Software\\Garmin\\SharedSettings\\Products\\4294967295"), 12u);
}

TEST_F(LatitudeCommand, UsageErrors) {
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{"latitude"},
                                             {"latitude", "1001"},
                                             {"latitude", "1001", "1", "50", "60"},
                                             {"latitude", "1001", "1", ""},
                                             {"latitude", "1001", "1", "abc"},
                                             {"latitude", "10x1", "1"}}) {
    const ProgramRun run = cli(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("\nsiehe: mapsetdesk-cli latitude --help\n"), std::string::npos)
        << run.err;
  }
}

}  // namespace
}  // namespace mapsetdesk
