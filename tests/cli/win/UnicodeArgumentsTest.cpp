// The command-line tool reads its arguments as Unicode: a path that the
// ANSI code page cannot hold reaches the command whole.
#include <gtest/gtest.h>

#include "platform/FilePath.h"
#include "support/RealMapsets.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(UnicodeArguments, AFileInAPolishAndCyrillicFolderIsRead) {
  RealMapsets mapsets;
  ASSERT_TRUE(mapsets.available()) << "run through ctest, which makes the mkgmap files";
  TempDir home;
  TempDir scratch;
  const MapsetFiles files =
      mapsets.make(home.path() / filePath(kUnicodeFolderName), "Lodz", "Karte S\xC3\xBC""d", 4712, 3);

  const ProgramRun run = runProgram(MAPSETDESK_CLI, {"info", files.tdb}, scratch);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string out = withLf(run.out);
  EXPECT_NE(out.find("name: Karte S\xC3\xBC""d\n"), std::string::npos) << out;
  EXPECT_NE(out.find("fid: 4712\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace mapsetdesk::testing
