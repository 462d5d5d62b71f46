// The command line as a new user meets it: the help of every command, the
// language of its texts and the exit codes, in a data root where nothing is
// set yet.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CliTexts.h"
#include "cli/CliLanguage.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class CommandLine : public ::testing::Test {
 protected:
  // English whatever language the system running the test speaks.
  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str(), "--lang", "en"});
    ProgramRun run = runProgram(MAPSETDESK_CLI, arguments, scratch);
    run.out = withLf(run.out);
    run.err = withLf(run.err);
    return run;
  }

  TempDir home;
  TempDir scratch;
  const CliTexts& english = cliTexts(Sprache::English);
};

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(CommandLine, EveryCommandsHelpShowsWhatItDoesItsOptionsAndAnExample) {
  const struct {
    std::vector<std::string> command;
    std::vector<std::string> shown;
  } commands[] = {
      {{"install"}, {"--registry", "--gmap", "--name NAME", "--fid N", "--keep-fid", "--free-fid",
                     "--yes", "FILE", "GMAPSUPP.img"}},
      {{"register"}, {"--gmap", "--tiles DIR", "--tdb FILE", "--overview FILE", "--typ FILE",
                      "--mdx FILE", "--mdr FILE", "--trf FILE", "--name NAME", "--fid N",
                      "--pid N"}},
      {{"list"}, {"--json"}},
      {{"rename"}, {"--registry", "--gmap", "MAPSET", "NEWNAME"}},
      {{"typ"}, {"--registry", "--gmap", "--yes", "--remove", "MAPSET", "FILE"}},
      {{"set-fid"}, {"--registry", "--gmap", "MAPSET", "NEWFID"}},
      {{"draw-priority"}, {"--registry", "--gmap", "--json", "MAPSET", "VALUE"}},
      {{"latitude"}, {"FID", "PID", "DEGREES", "auto"}},
      {{"remove"}, {"--registry", "--gmap", "--yes", "MAPSET"}},
      {{"history"}, {"--json"}},
      {{"undo"}, {"--yes", "ID"}},
      {{"export"}, {"--registry", "--gmap", "MAPSET"}},
      {{"import"}, {"FOLDER", "--to DIR", "--all-users", "--user", "--no-installer", "--yes"}},
      {{"convert"}, {"MAPSET", "--to-gmap"}},
      {{"device-image"}, {"--registry", "--gmap", "--out FILE", "--yes", "MAPSET"}},
      {{"check"}, {"--repair", "--yes", "--json"}},
      {{"free-fid"}, {"--json"}},
      {{"duplicates"}, {"--json"}},
      {{"info"}, {"FILE", "--json"}},
      {{"cache"}, {"--json"}},
      {{"cache-clear"}, {"basecamp|mapinstall|mapsource"}},
      {{"tools"}, {"auto|extern|intern"}},
      {{"tool"}, {"gmt", "compile"}},
      {{"tool", "gmt"}, {"-S -f FID,PID", "-g -o DIR FILE", "-G -o DIR FILE"}},
      {{"tool", "compile"}, {"FILE"}},
      {{"set-wow64"}, {"yes|no"}},
      {{"paths"}, {}},
      {{"reg"}, {"import", "export", "query"}},
      {{"reg", "import"}, {"FILE"}},
      {{"reg", "export"}, {"KEY"}},
      {{"reg", "query"}, {"KEY", "NAME"}},
      {{"help"}, {"COMMAND"}},
  };
  std::size_t described = 0;
  for (const auto& [command, shown] : commands) {
    std::string path;
    for (const std::string& word : command) path += (path.empty() ? "" : " ") + word;
    SCOPED_TRACE(path);
    std::vector<std::string> arguments = command;
    arguments.push_back("--help");
    const ProgramRun run = cli(arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const CommandHelp& help = english.commands.at(path);
    EXPECT_TRUE(run.out.starts_with(help.summary + "\n")) << run.out;
    EXPECT_TRUE(holds(run.out, "Usage: mapsetdesk-cli " + path)) << run.out;
    EXPECT_TRUE(holds(run.out, "Example:\n  " + help.example + "\n")) << run.out;
    EXPECT_TRUE(help.example.starts_with("mapsetdesk-cli " + path));
    for (const std::string& part : shown) EXPECT_TRUE(holds(run.out, part)) << part;
    ++described;
  }
  EXPECT_EQ(described, english.commands.size()) << "every command with help text is shown";
  EXPECT_FALSE(fs::exists(home / "registry")) << "help stores no setting";
}

TEST_F(CommandLine, HelpListsEveryCommandOnOneLine) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--help"}, {"help"}, {"-h"}}) {
    const ProgramRun run = cli(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments[0];
    EXPECT_EQ(run.err, "");
    for (const auto& [name, help] : english.commands) {
      if (holds(name, " ")) continue;
      EXPECT_TRUE(holds(run.out, "\n  " + name + std::string(36 - 2 - name.size(), ' ') +
                                     help.summary + "\n"))
          << name << "\n" << run.out;
    }
    EXPECT_FALSE(holds(run.out, "    installs the tiles")) << "forms only in the command's help";
  }
  EXPECT_EQ(cli({"help", "rename"}).out, cli({"rename", "--help"}).out);
}

TEST_F(CommandLine, ExitCodesSayDoneRefusedOrUsage) {
  const struct {
    std::vector<std::string> arguments;
    int exitCode;
  } cases[] = {
      {{"list"}, 0},
      {{"free-fid", "--json"}, 0},
      {{"--version"}, 0},
      {{"rename", "Nirgends", "Neu"}, 1},
      {{"latitude", "1", "1", "90"}, 1},
      {{"info", "keine.tdb"}, 1},
      {{}, 2},
      {{"frob"}, 2},
      {{"help", "frob"}, 2},
      {{"list", "extra"}, 2},
      {{"list", "--frob"}, 2},
      {{"draw-priority", "Topo", "abc"}, 2},
      {{"set-fid", "Topo"}, 2},
      {{"set-fid", "Topo", "12x"}, 2},
      {{"install", "--fid"}, 2},
      {{"import"}, 2},
      {{"install", "--registry", "--gmap", "--name", "A", "a.img"}, 2},
      {{"--lang", "fr", "list"}, 2},
      {{"--version", "list"}, 2},
  };
  for (const auto& [arguments, exitCode] : cases) {
    std::string line;
    for (const std::string& word : arguments) line += word + " ";
    const ProgramRun run = cli(arguments);
    EXPECT_EQ(run.exitCode, exitCode) << line << run.err;
    if (exitCode == 2) {
      EXPECT_EQ(run.out, "") << line;
      EXPECT_NE(run.err, "") << line;
    }
  }
}

TEST_F(CommandLine, UsageErrorsNameTheirArgumentAndWhereTheHelpIs) {
  EXPECT_EQ(cli({"frob"}).err, "unknown command: frob\nsee: mapsetdesk-cli --help\n");
  EXPECT_EQ(cli({"list", "extra"}).err,
            "unexpected argument: extra\nsee: mapsetdesk-cli list --help\n");
  EXPECT_EQ(cli({"rename", "Topo"}).err, "missing: NEWNAME\nsee: mapsetdesk-cli rename --help\n");
  EXPECT_EQ(cli({"draw-priority", "Topo", "abc"}).err,
            "VALUE: not a number: abc\nsee: mapsetdesk-cli draw-priority --help\n");
  EXPECT_EQ(cli({"install", "--keep-fid", "--free-fid", "a.img"}).err,
            "these options exclude each other: --keep-fid --free-fid\n"
            "see: mapsetdesk-cli install --help\n");
  EXPECT_EQ(cli({"--lang", "de", "rename", "--gmap", "Topo"}).err,
            "es fehlt: NEWNAME\nsiehe: mapsetdesk-cli rename --help\n");
  EXPECT_EQ(cli({"rename", "Topo", "--lang", "de"}).err,
            "es fehlt: NEWNAME\nsiehe: mapsetdesk-cli rename --help\n")
      << "the program's options stand also after the command, and the last one counts";
}

TEST(CliLanguage, TheOptionThenTheSettingThenTheLocaleChoose) {
  const struct {
    const char* lang;
    const char* setting;
    const char* tag;
    Sprache expected;
  } cases[] = {
      {"de", "Eng", "en_US.UTF-8", Sprache::Deutsch},
      {"en", "Deu", "de_DE.UTF-8", Sprache::English},
      {"", "Deu", "en_US.UTF-8", Sprache::Deutsch},
      {"", "Eng", "de_DE.UTF-8", Sprache::English},
      {"", "", "de_DE.UTF-8", Sprache::Deutsch},
      {"", "", "de", Sprache::Deutsch},
      {"", "", "de-CH", Sprache::Deutsch},
      {"", "", "DE_at", Sprache::Deutsch},
      {"", "", "C", Sprache::English},
      {"", "", "", Sprache::English},
      {"", "", "den_DK", Sprache::English},
      {"", "", "fr_FR.UTF-8", Sprache::English},
      {"", "Klingonisch", "de_DE", Sprache::Deutsch},
  };
  for (const auto& [lang, setting, tag, expected] : cases)
    EXPECT_EQ(cli::chooseSprache(lang, setting, tag), expected)
        << lang << "|" << setting << "|" << tag;
}

TEST(CliLanguage, TheEarlyOptionsAreFoundWhereverTheyStand) {
  auto early = cli::earlyOptions({"rename", "X", "Y", "--lang", "de", "--home=/tmp/h"});
  EXPECT_EQ(early.lang, "de");
  EXPECT_EQ(early.home, "/tmp/h");
  early = cli::earlyOptions({"--home", "/x", "list", "--lang=en"});
  EXPECT_EQ(early.lang, "en");
  EXPECT_EQ(early.home, "/x");
  early = cli::earlyOptions({"list", "--lang"});
  EXPECT_EQ(early.lang, "");
}

}  // namespace
}  // namespace mapsetdesk::testing
