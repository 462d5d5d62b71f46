// The fall-back compile finds mkgmap.jar where it is when the program folder
// has none (the environment is set here, which only POSIX offers as setenv).
#include <gtest/gtest.h>

#include <cstdlib>

#include "builtin/BuiltinLauncher.h"
#include "builtin/JavaRuntime.h"
#include "support/ScriptedLauncher.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(JavaRuntime, TheFallBackFindsMkgmapWhereItIsUnlessOnlyOutsideProgramsMayRun) {
  TempDir folder;
  std::filesystem::create_directories(folder / "found");
  writeFile(folder / "found" / "mkgmap.jar", "jar");
  const std::string jar = (folder / "found" / "mkgmap.jar").string();
  ::setenv("MAPSETDESK_MKGMAP", jar.c_str(), 1);
  const std::string rest = " --read-config=C:\\p\\list.args -c C:\\p\\filelist.txt";
  const std::string line = "java -jar " + (folder / "mkgmap.jar").string() + rest;
  const std::string found = builtin::withJavaAndMkgmapFound(line);
  EXPECT_NE(found.find(" -jar \"" + jar + "\"" + rest), std::string::npos) << found;
  EXPECT_EQ(builtin::withJavaAndMkgmapFound("java -version"), "java -version");

  const builtin::ToolSelection automatic([] { return ToolsChoice::Auto; });
  const builtin::ToolSelection outsideOnly([] { return ToolsChoice::Extern; });
  const std::string besideTheProgram = (folder / "mkgmap.jar").string();
  EXPECT_TRUE(automatic.canWork(besideTheProgram)) << "found through MAPSETDESK_MKGMAP";
  EXPECT_FALSE(outsideOnly.canWork(besideTheProgram)) << "only the program folder counts";

  ScriptedLauncher outside;
  builtin::BuiltinLauncher launcher(outside, builtin::ToolSelection([] { return ToolsChoice::Extern; }),
                                    {});
  launcher.runAndWait(line, WindowStyle::Hidden);
  EXPECT_EQ(outside.started, std::vector<std::string>{line});
  ::unsetenv("MAPSETDESK_MKGMAP");
}

}  // namespace
}  // namespace mapsetdesk::testing
