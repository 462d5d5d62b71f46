// Without --lang and without the Language setting the command line speaks
// the language of the user's locale.
#include <gtest/gtest.h>

#include "app/messages/CliTexts.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "platform/UserLocale.h"
#include "support/RunProgram.h"
#include "support/Standins.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(UserLocale, TheFirstOfLcAllLcMessagesAndLangThatIsSetNamesTheLanguage) {
  ScopedEnvironment all("LC_ALL", "");
  ScopedEnvironment messages("LC_MESSAGES", "");
  ScopedEnvironment lang("LANG", "de_AT.UTF-8");
  EXPECT_EQ(userLanguageTag(), "de_AT.UTF-8");
  {
    ScopedEnvironment set("LC_MESSAGES", "en_GB");
    EXPECT_EQ(userLanguageTag(), "en_GB");
    ScopedEnvironment first("LC_ALL", "fr_FR");
    EXPECT_EQ(userLanguageTag(), "fr_FR");
  }
  EXPECT_FALSE(windowsIs64Bit()) << "the file store keeps registrations as 32-bit Windows does";
}

TEST(LocaleLanguage, TheLocaleSpeaksUnlessTheOptionOrTheSettingSaysOtherwise) {
  TempDir home;
  TempDir scratch;
  const auto run = [&](std::vector<std::string> arguments, const char* locale) {
    arguments.insert(arguments.begin(), {"--home", home.str()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch, locale);
  };
  EXPECT_EQ(run({"frob"}, "de_DE.UTF-8").err, "unbekannter Befehl: frob\nsiehe: mapsetdesk-cli --help\n");
  EXPECT_EQ(run({"frob"}, "en_US.UTF-8").err, "unknown command: frob\nsee: mapsetdesk-cli --help\n");
  EXPECT_EQ(run({"--lang", "en", "frob"}, "de_DE.UTF-8").err,
            "unknown command: frob\nsee: mapsetdesk-cli --help\n");
  EXPECT_TRUE(run({"--help"}, "de_DE.UTF-8").out.starts_with("mapsetdesk-cli installiert"));

  PlatformOptions options;
  options.dataRoot = home.str();
  fStringSpeichern(*openSystemRegistry(options), Root::CurrentUser, "Software\\ZORVAN", "Language",
                   "Eng");
  EXPECT_EQ(run({"frob"}, "de_DE.UTF-8").err, "unknown command: frob\nsee: mapsetdesk-cli --help\n");
  const ProgramRun wow64 = run({"free-fid"}, "de_DE.UTF-8");
  EXPECT_EQ(wow64.err, cliTexts(Sprache::English).wow64Stored32 + "\n");
  EXPECT_EQ(fRegAbfrageWert(*openSystemRegistry(options), Root::CurrentUser, "Software\\ZORVAN",
                            "Language"),
            "Eng")
      << "the command line's language is never stored";
}

}  // namespace
}  // namespace mapsetdesk::testing
