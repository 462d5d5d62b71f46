// mapsetdesk-cli reg: import, export and query, run as a user runs them, on
// the registry this build uses (below scratch keys of the test's own).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RegistryOps.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/TestRegistry.h"

namespace mapsetdesk {
namespace {

using testing::ProgramRun;
using testing::TempDir;
using testing::TestRegistry;

class RegCommand : public ::testing::Test {
 protected:
  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", registry_.dataRoot()});
    return testing::runProgram(MAPSETDESK_CLI, arguments, scratch_);
  }
  // What query printed, line ends as written.
  std::string query(const std::string& key, const std::string& name) {
    return testing::withLf(cli({"reg", "query", key, name}).out);
  }
  std::string importFile(const std::string& text) {
    const auto file = scratch_ / "import.reg";
    testing::writeFile(file, text);
    return file.string();
  }
  const std::string& userBase() const { return registry_.base(Root::CurrentUser); }
  const std::string& machineBase() const { return registry_.base(Root::LocalMachine); }

  TestRegistry registry_;
  TempDir scratch_;
};

TEST_F(RegCommand, ImportedValuesReadAsTheSystemReadsThemAndExportUnchanged) {
  const std::string zorvan = "HKEY_CURRENT_USER\\" + userBase() + "\\ZORVAN";
  const std::string family =
      "HKEY_LOCAL_MACHINE\\" + machineBase() + "\\Garmin\\MapSource\\Families\\Topo_Har1234";
  const std::string exported =
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\" +
      userBase() +
      "]\r\n\r\n"
      "[" +
      zorvan +
      "]\r\n"
      "\"Blanks\"=hex(1):20,20,61,62,63,00,78,00\r\n"
      "\"Dir\"=\"C:\\\\Karten\"\r\n"
      "\"Language\"=\"deutsch\"\r\n"
      "\"Lat\"=dword:0012d687\r\n\r\n"
      "[" +
      zorvan + "\\Leer]\r\n\r\n";
  const ProgramRun imported =
      cli({"reg", "import", importFile(exported + "[" + family + "]\r\n\"ID\"=hex:d2,04\r\n")});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.err, "");

  const std::string shortName = "hkcu\\" + userBase() + "\\zorvan";
  EXPECT_EQ(query(shortName, "LANGUAGE"), "deutsch\n");
  EXPECT_EQ(query(shortName, "Dir"), "C:\\Karten\n");
  EXPECT_EQ(query(shortName, "Blanks"), "abc\n");
  EXPECT_EQ(query(shortName, "Missing"), "\n");
  EXPECT_EQ(query("HKLM\\" + machineBase() + "\\Garmin\\MapSource\\Families\\Topo_Har1234", "ID"),
            "\xC3\x92\x04\n");
  EXPECT_EQ(
      fRegAbfrageWert(registry_.registry(), Root::CurrentUser, userBase() + "\\ZORVAN", "Dir"),
      "C:\\Karten");

  const ProgramRun first = cli({"reg", "export", "HKEY_CURRENT_USER\\" + userBase()});
  EXPECT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, exported);

  // Removed and imported from its own export, the key exports the same again.
  EXPECT_EQ(
      cli({"reg", "import", importFile("REGEDIT4\r\n[-HKEY_CURRENT_USER\\" + userBase() + "]\r\n")})
          .exitCode,
      0);
  EXPECT_EQ(cli({"reg", "export", "HKCU\\" + userBase()}).exitCode, 1);
  EXPECT_EQ(cli({"reg", "import", importFile(first.out)}).exitCode, 0);
  EXPECT_EQ(cli({"reg", "export", "HKCU\\" + userBase() + "\\"}).out, exported);
}

TEST_F(RegCommand, MalformedFileIsRefusedWithItsLineAndNothingApplied) {
  const std::string file = importFile(
      "REGEDIT4\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\" +
      userBase() +
      "\\ZORVAN]\r\n"
      "\"Language\"=\"deutsch\"\r\n"
      "\"Dir\"=hex:43,3a,zz\r\n");
  const ProgramRun run = cli({"reg", "import", file});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(testing::withLf(run.err), file + ": fault in line 5: hex bytes separated by commas expected\n");
  EXPECT_EQ(query("HKCU\\" + userBase() + "\\ZORVAN", "Language"), "\n");
  EXPECT_FALSE(registry_.registry().canOpen(Root::CurrentUser, userBase()));
}

TEST_F(RegCommand, ExportOfAMissingKeyFails) {
  const std::string key = "HKEY_CURRENT_USER\\" + userBase() + "\\Missing";
  const ProgramRun run = cli({"reg", "export", key});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(testing::withLf(run.err), "no such key: " + key + "\n");
}

TEST_F(RegCommand, WrongArgumentsAreUsageErrors) {
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"reg"},
                                                    {"reg", "import"},
                                                    {"reg", "delete", "HKCU\\x"},
                                                    {"reg", "query", "HKEY_CLASSES_ROOT\\x", "y"},
                                                    {"reg", "export", "HKCU\\x", "extra"}}) {
    const ProgramRun run = cli(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(testing::withLf(run.err).find("\nsee: mapsetdesk-cli reg"), std::string::npos)
        << run.err;
  }
  const ProgramRun unreadable = cli({"reg", "import", (scratch_ / "missing.reg").string()});
  EXPECT_EQ(unreadable.exitCode, 1);
  EXPECT_EQ(testing::withLf(unreadable.err),
            "cannot read " + (scratch_ / "missing.reg").string() + "\n");
}

}  // namespace
}  // namespace mapsetdesk
