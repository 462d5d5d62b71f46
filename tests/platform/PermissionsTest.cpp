// The SetACL command lines and their detached start; the grants on systems
// without Windows rights.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/Permissions.h"
#include "platform/Platform.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

// Records each start; starts nothing.
class RecordingLauncher : public ProcessLauncher {
 public:
  struct Start {
    std::string commandLine;
    WindowStyle style;
    bool detached;
  };
  std::vector<Start> starts;

  CapturedStart startCaptured(const std::string&, const std::function<void()>&) override {
    ADD_FAILURE() << "a captured run was started";
    return {CaptureFailure::NotStarted, nullptr};
  }
  bool runAndWait(const std::string& commandLine, WindowStyle style) override {
    starts.push_back({commandLine, style, false});
    return true;
  }
  bool startDetached(const std::string& commandLine, WindowStyle style) override {
    starts.push_back({commandLine, style, true});
    return true;
  }
  std::string outputText(std::string_view bytes) override { return std::string(bytes); }
};

TEST(SetAclCommandLines, AreBuiltPieceByPieceWithTheKeyUnquoted) {
  const SetAclCommands commands = setAclCommandLines("C:\\Programme\\ZORVAN\\BIN\\SetACL.exe",
                                                     "HKLM\\SOFTWARE\\Garmin", "Anna");
  EXPECT_EQ(commands.owner,
            "\"C:\\Programme\\ZORVAN\\BIN\\SetACL.exe\" -on HKLM\\SOFTWARE\\Garmin -ot reg -actn "
            "setowner -ownr \"n:Anna\"");
  EXPECT_EQ(commands.fullControl,
            "\"C:\\Programme\\ZORVAN\\BIN\\SetACL.exe\" -on HKLM\\SOFTWARE\\Garmin -ot reg -actn "
            "ace -ace \"n:Anna;p:full\"");
}

TEST(SetAclPath, LiesInTheProgramFoldersBinFolder) {
  EXPECT_EQ(setAclPath("prog"), joinPath(joinPath("prog", "BIN"), "SetACL.exe"));
}

class RunSetAcl : public ::testing::Test {
 protected:
  void TearDown() override { dialogs.expectAllTaken(); }
  TempDir program;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  ToolRunner runner{launcher};
};

TEST_F(RunSetAcl, StartsOwnerThenFullControlDetachedAndMinimized) {
  writeFile(program / "BIN" / "SetACL.exe", "stand-in");
  runSetAcl(runner, dialogs, program.str(), "HKLM\\SOFTWARE\\Wow6432Node\\Garmin", "Bernd Maier");
  const SetAclCommands expected = setAclCommandLines(
      setAclPath(program.str()), "HKLM\\SOFTWARE\\Wow6432Node\\Garmin", "Bernd Maier");
  ASSERT_EQ(launcher.starts.size(), 2u);
  EXPECT_EQ(launcher.starts[0].commandLine, expected.owner);
  EXPECT_EQ(launcher.starts[1].commandLine, expected.fullControl);
  for (const auto& start : launcher.starts) {
    EXPECT_TRUE(start.detached);
    EXPECT_EQ(start.style, WindowStyle::MinimizedFocus);
  }
}

TEST_F(RunSetAcl, WithoutSetAclTheUserIsToldAndNothingStarts) {
  runSetAcl(runner, dialogs, program.str(), "HKLM\\SOFTWARE\\Garmin", "Anna");
  EXPECT_TRUE(launcher.starts.empty());
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text,
            "Die Datei SetACL.exe  im Ordner BIN der Installation fehlt. Installieren Sie ZORVAN "
            "neu, um den Fehler zu beheben. Ohne diese Datei können die Rechte nicht automatisch "
            "gesetzt werden. Sie können alternativ die Zugriffsrechte auf Registry und "
            "Dateiverzeichniss von Hand einrichten.");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
}

TEST_F(RunSetAcl, RegistryRightsGoThroughSetAclExactlyWhereRightsExist) {
  grantRegistryRights(runner, dialogs, program.str(), "HKLM\\SOFTWARE\\Garmin", "Anna");
  if (grantsRights()) {
    EXPECT_EQ(dialogs.take().text.substr(0, 24), "Die Datei SetACL.exe  im");
  }
  EXPECT_TRUE(launcher.starts.empty());
}

}  // namespace
}  // namespace mapsetdesk::testing
