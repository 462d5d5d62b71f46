// The compiler stand-in with mkgmap behind it: the overview source that the
// gmt stand-in wrote, patched as the installation patches it, becomes a real
// map. The build finds Java and mkgmap.jar, which the tests depend on.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/GarminFiles.h"
#include "formats/TreDrawPriority.h"
#include "platform/FilePath.h"
#include "platform/ToolRunner.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class StandinMkgmap : public GarminFilesTest {
 protected:
  std::string run(const std::string& commandLine) {
    CaptureWatcher quiet;
    return runner.capture(commandLine, quiet).output;
  }
  std::unique_ptr<ProcessLauncher> launcher = openSystemProcessLauncher();
  ToolRunner runner{*launcher};
};

TEST_F(StandinMkgmap, ThePatchedOverviewSourceCompilesIntoARealMap) {
  const fs::path program = scratch_ / "program";
  installStandins(program);
  const fs::path tiles = scratch_ / "tiles";
  copyTilesWithList(tiles, program / "list.txt");
  run('"' + pathText(program / "gmt.exe") + "\" -S -f 4711,1 -m Harz -n Harzoooo -o \"" +
      pathText(tiles) + "\" -c 1252 -@ \"" + pathText(program / "list.txt") + '"');
  const fs::path source = tiles / "Harzoooo.mp";
  writeFile(source, replaced(replaced(readFile(source), "Label=GMapTool Preview", " "),
                             "Type=0x0b00", "Type=0x6300"));

  const ScopedEnvironment jar("MAPSETDESK_MKGMAP_JAR", MAPSETDESK_MKGMAP_JAR);
  const std::string output = run('"' + pathText(program / "Version97c" / "cgpsmapper.exe") +
                                 "\" \"" + pathText(source) + '"');
  EXPECT_NE(output.find("compiled by mkgmap"), std::string::npos) << output;
  const fs::path overview = tiles / "Harzoooo.img";
  ASSERT_TRUE(fs::is_regular_file(overview));
  EXPECT_TRUE(readDrawPriority(pathText(overview), TreForm::TileFile).priority.has_value());
  EXPECT_FALSE(fs::exists(tiles / "Harzoooo.img.mkgmap"));
}

}  // namespace
}  // namespace mapsetdesk::testing
