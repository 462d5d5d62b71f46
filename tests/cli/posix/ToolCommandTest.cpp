// tool: one built-in tool run directly with the outside program's arguments.
#include <gtest/gtest.h>

#include "formats/ImgContainer.h"
#include "support/GarminFiles.h"
#include "support/RunProgram.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class ToolCommand : public GarminFilesTest {
 protected:
  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch_);
  }
  TempDir home;
};

TEST_F(ToolCommand, GmtUnpacksATileAndPrintsItsReport) {
  const fs::path out = scratch_.path() / "unpacked";
  fs::create_directories(out);
  const ProgramRun run =
      cli({"tool", "gmt", "-g", "-o", out.string(), garmin("mapset/63240001.img").string()});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const auto container = readImgContainer(bytesOf("mapset/63240001.img"));
  ASSERT_TRUE(container);
  for (const ImgSubfile& subfile : container->subfiles) {
    EXPECT_EQ(readFile(out / subfile.fileName()), subfile.bytes) << subfile.fileName();
    EXPECT_NE(run.out.find(subfile.fileName()), std::string::npos) << run.out;
  }
}

TEST_F(ToolCommand, CompileOfABrokenSourceNamesTheLineWritesNothingAndFails) {
  const fs::path source = scratch_.path() / "Broken_o.mp";
  writeFile(source, "[IMG ID]\r\nID=1\r\n[END-IMG ID]\r\n[POLYGON]\r\nType=0x4a\r\n"
                    "Data0=(51.5,10.5),(51.6\r\n[END]\r\n");
  const ProgramRun run = cli({"tool", "compile", source.string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("line 6"), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(scratch_.path() / "Broken_o.img"));
}

TEST_F(ToolCommand, UnknownToolsAndMissingArgumentsAreUsageErrors) {
  EXPECT_EQ(cli({"tool"}).exitCode, 2);
  EXPECT_EQ(cli({"tool", "cgpsmapper", "x.mp"}).exitCode, 2);
  EXPECT_EQ(cli({"tool", "compile"}).exitCode, 2);
  EXPECT_EQ(cli({"tool", "gmt"}).exitCode, 2);
}

}  // namespace
}  // namespace mapsetdesk::testing
