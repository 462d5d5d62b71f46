// The seam between the flows and the outside programs: which program runs by
// the Tools setting and the program folder, what a built-in gets from the
// command line, and what the flows then see.
#include <gtest/gtest.h>

#include "builtin/BuiltinLauncher.h"
#include "builtin/SetAclArguments.h"
#include "platform/Permissions.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedLauncher.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

using builtin::BuiltinLauncher;
using builtin::BuiltinOperations;
using builtin::ToolReport;
using builtin::ToolSelection;

class Seam : public ::testing::Test {
 protected:
  std::string program(const std::string& relative) const {
    return (folder.path() / relative).string();
  }
  void place(const std::string& relative) {
    std::filesystem::create_directories((folder.path() / relative).parent_path());
    writeFile(folder.path() / relative, "program");
  }
  ToolSelection selection() {
    return ToolSelection([this] { return choice; });
  }
  BuiltinOperations recording() {
    return {[this](const std::vector<std::string>& arguments, ToolReport& report) {
              gmtCalls.push_back(arguments);
              report.line("wrote mapset.tdb");
              report.line("wrote mapset.mp");
              return true;
            },
            [this](const std::string& source, ToolReport& report) {
              compiled.push_back(source);
              report.line("wrote overview");
              return true;
            },
            [this](const std::string& key, const std::string& user) {
              rights.push_back(key + "|" + user);
              return rightsGranted;
            }};
  }
  CapturedRun capture(const std::string& commandLine) {
    BuiltinLauncher launcher(outside, selection(), recording());
    ToolRunner runner(launcher);
    CaptureWatcher quiet;
    return runner.capture(commandLine, quiet);
  }

  TempDir folder;
  ToolsChoice choice = ToolsChoice::Auto;
  ScriptedLauncher outside;
  std::vector<std::vector<std::string>> gmtCalls;
  std::vector<std::string> compiled;
  std::vector<std::string> rights;
  bool rightsGranted = true;
};

TEST_F(Seam, AutoRunsAnOutsideProgramOnlyWhereItLiesInTheProgramFolder) {
  EXPECT_TRUE(selection().builtinRuns(program("gmt.exe")));
  EXPECT_TRUE(selection().canWork(program("gmt.exe")));
  place("gmt.exe");
  EXPECT_FALSE(selection().builtinRuns(program("gmt.exe")));
  EXPECT_FALSE(selection().builtinRuns(program("gmt"))) << "the unpack names gmt without .exe";
  EXPECT_TRUE(selection().builtinRuns(program("BIN/SetACL.exe")));
  EXPECT_FALSE(selection().builtinRuns(program("notepad.exe")));
  EXPECT_FALSE(selection().canWork(program("notepad.exe")));
}

TEST_F(Seam, ExternRunsOnlyTheOutsidePrograms) {
  choice = ToolsChoice::Extern;
  EXPECT_FALSE(selection().builtinRuns(program("gmt.exe")));
  EXPECT_FALSE(selection().canWork(program("gmt.exe")));
  EXPECT_FALSE(selection().canWork(program("Version97c/cgpsmapper.exe")));
  place("gmt.exe");
  EXPECT_TRUE(selection().canWork(program("gmt.exe")));
}

TEST_F(Seam, InternRunsTheBuiltinEvenBesideTheOutsideProgram) {
  choice = ToolsChoice::Intern;
  place("Version97c/cgpsmapper.exe");
  EXPECT_TRUE(selection().builtinRuns(program("Version97c/cgpsmapper.exe")));
  EXPECT_TRUE(selection().canWork(program("Version97c/sendg.dll")));
}

TEST_F(Seam, TheCompilersCompanionIsNeededOnlyBesideTheOutsideCompiler) {
  EXPECT_TRUE(selection().canWork(program("Version97c/sendg.dll")));
  place("Version97c/cgpsmapper.exe");
  EXPECT_FALSE(selection().canWork(program("Version97c/sendg.dll")));
  place("Version97c/sendg.dll");
  EXPECT_TRUE(selection().canWork(program("Version97c/sendg.dll")));
}

TEST_F(Seam, AnUnknownSettingMeansAuto) {
  EXPECT_EQ(toolsChoiceFrom(""), ToolsChoice::Auto);
  EXPECT_EQ(toolsChoiceFrom("Intern"), ToolsChoice::Auto);
  EXPECT_EQ(toolsChoiceFrom("intern"), ToolsChoice::Intern);
  EXPECT_EQ(toolsChoiceFrom("extern"), ToolsChoice::Extern);
}

TEST_F(Seam, TheBuiltinGetsTheArgumentsOfTheCommandLineAndItsReportIsTheOutput) {
  // An unquoted program folder with blanks, as below "Program Files".
  const std::string line = "C:\\Program Files\\mapsetdesk\\gmt.exe -S -f 4321,1 -m Topo_Harz "
                           "-n Topo_Har -o \"D:\\Karten\\Harz\" -c 1252 -@ \"C:\\Temp\\list.txt\"";
  const CapturedRun run = capture(line);
  ASSERT_EQ(gmtCalls.size(), 1u);
  EXPECT_EQ(gmtCalls[0], (std::vector<std::string>{"-S", "-f", "4321,1", "-m", "Topo_Harz", "-n",
                                                   "Topo_Har", "-o", "D:\\Karten\\Harz", "-c",
                                                   "1252", "-@", "C:\\Temp\\list.txt"}));
  EXPECT_EQ(run.failure, CaptureFailure::None);
  EXPECT_EQ(run.output, "wrote mapset.tdb\r\nwrote mapset.mp\r\n");
  EXPECT_TRUE(outside.started.empty());
}

TEST_F(Seam, AnOutsideProgramGetsTheLineUnchanged) {
  place("gmt.exe");
  const std::string line = program("gmt.exe") + " -g -o C:\\out C:\\tile.img";
  const CapturedRun run = capture(line);
  EXPECT_TRUE(gmtCalls.empty());
  EXPECT_EQ(outside.started, std::vector<std::string>{line});
  EXPECT_EQ(run.output.rfind("text:", 0), 0u) << "an outside program's bytes are converted";
}

TEST_F(Seam, TheCompilerTakesTheOneQuotedSource) {
  capture(program("Version97c/cgpsmapper.exe") + " \"D:\\Karten\\Topo_Har.mp\"");
  EXPECT_EQ(compiled, std::vector<std::string>{"D:\\Karten\\Topo_Har.mp"});
  const CapturedRun run = capture(program("Version97c/cgpsmapper.exe") + " a.mp b.mp");
  EXPECT_EQ(compiled.size(), 1u);
  EXPECT_NE(run.output.find("2 given"), std::string::npos);
}

TEST_F(Seam, WithoutSetAclTheRightsAreGrantedSilently) {
  BuiltinLauncher launcher(outside, selection(), recording());
  ToolRunner runner(launcher);
  ScriptedDialogs dialogs;
  runSetAcl(runner, dialogs, folder.str(), "HKLM\\SOFTWARE\\Wow6432Node\\Garmin", "Wanderer");
  EXPECT_EQ(rights, (std::vector<std::string>{"SOFTWARE\\Wow6432Node\\Garmin|Wanderer",
                                              "SOFTWARE\\Wow6432Node\\Garmin|Wanderer"}));
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_TRUE(outside.started.empty());
}

TEST_F(Seam, ExternTellsThatSetAclIsMissingAndStartsNothing) {
  choice = ToolsChoice::Extern;
  BuiltinLauncher launcher(outside, selection(), recording());
  ToolRunner runner(launcher);
  ScriptedDialogs dialogs;
  runSetAcl(runner, dialogs, folder.str(), "HKLM\\SOFTWARE\\Garmin", "Wanderer");
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, kSetAclMissing);
  EXPECT_EQ(shown.title, kPermissionsTitle);
  EXPECT_TRUE(rights.empty());
  EXPECT_TRUE(outside.started.empty());
}

TEST_F(Seam, SetAclCommandLinesAreReadBackIntoKeyAndUser) {
  const SetAclCommands lines =
      setAclCommandLines("C:\\x\\BIN\\SetACL.exe", "HKLM\\SOFTWARE\\Garmin", "Anna Berg");
  for (const std::string& line : {lines.owner, lines.fullControl}) {
    const auto request = builtin::parseSetAclArguments(
        parseProgramCall(line, [](const std::string&) { return false; }).arguments);
    ASSERT_TRUE(request) << line;
    EXPECT_EQ(request->keyPath, "SOFTWARE\\Garmin");
    EXPECT_EQ(request->user, "Anna Berg");
  }
  EXPECT_FALSE(builtin::parseSetAclArguments({"-on", "HKCU\\Software", "-ot", "reg", "-actn",
                                              "setowner", "-ownr", "n:x"}));
  EXPECT_FALSE(builtin::parseSetAclArguments({"-on", "HKLM\\", "-ot", "reg", "-actn", "ace",
                                              "-ace", "n:x;p:full"}));
  EXPECT_FALSE(builtin::parseSetAclArguments({"-on", "HKLM\\SOFTWARE", "-ot", "file", "-actn",
                                              "ace", "-ace", "n:x;p:full"}));
}

}  // namespace
}  // namespace mapsetdesk::testing
