// The mkgmap fall-back of an installation with Java of this machine: Java
// is a program of the build machine, which the Windows test run under Wine
// cannot start.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/RegistryOps.h"
#include "support/TempDir.h"
#include "ui/TileInstallFixture.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using InstallFallBack = TileInstallFixture;

TEST_F(InstallFallBack, TheMkgmapFallBackIsOfferedAgainAfterEachRunWithoutOverview) {
  ScopedEnvironment fault("MAPSETDESK_CGPSMAPPER_FAULT", "nothing");
  fStringSpeichern(program.memory, Root::LocalMachine, kJavaKey, "CurrentVersion", "1.8");
  writeFile(program.folder / "program" / "mkgmap.jar", "no jar");
  ui::fMain& main = readyToInstall();
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::No);
  install(main);
  for (int i = 0; i < 3; ++i) expectMessage(text("Fehler9"), "ZORVAN Build 80-33-1", Buttons::YesNo);
  expectMessage(program.session->texts.cgpsmapperHint(), "ZORVAN Build 80-33-1");
  for (const char* gone : {"list.args", "filelist.txt"})
    EXPECT_FALSE(fs::exists(program.folder / "program" / gone)) << gone;
}

TEST_F(InstallFallBack, MkgmapMakesTheOverviewWhenCgpsmapperCannot) {
  const fs::path jar = "/usr/share/mkgmap/mkgmap.jar";
  ASSERT_TRUE(fs::exists(jar)) << "Debian's mkgmap, a dependency of the tests";
  ScopedEnvironment fault("MAPSETDESK_CGPSMAPPER_FAULT", "nothing");
  fStringSpeichern(program.memory, Root::LocalMachine, kJavaKey, "CurrentVersion", "1.8");
  fs::copy_file(jar, program.folder / "program" / "mkgmap.jar");
  ui::fMain& main = readyToInstall();
  program.dialogs.answer(Answer::Yes);
  program.dialogs.answer(Answer::No);
  install(main);
  expectMessage(text("Fehler9"), "ZORVAN Build 80-33-1", Buttons::YesNo);
  expectLayoutQuestion();
  expectMessage(text("Fehler8"), "ZORVAN");
  EXPECT_TRUE(exists(kartenFile("Topo_Har.img")));
  for (const char* gone : {"list.args", "filelist.txt"})
    EXPECT_FALSE(fs::exists(program.folder / "program" / gone)) << gone;
  EXPECT_EQ(main.ListLoeschen.count(), 1);
}

}  // namespace
}  // namespace mapsetdesk::testing
