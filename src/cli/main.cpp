#include <iostream>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/CliLanguage.h"
#include "cli/CommandLine.h"
#include "platform/ProgramArguments.h"
#include "platform/UserLocale.h"

namespace {

using namespace mapsetdesk;

// The language is chosen before the line is parsed, so that the help and
// the usage errors are in it too.
Sprache spracheOfRun(const std::vector<std::string>& args) {
  const cli::EarlyOptions early = cli::earlyOptions(args);
  std::string setting;
  if (early.lang.empty()) {
    PlatformOptions platform;
    platform.dataRoot = early.home;
    setting = Settings(*openSystemRegistry(platform)).language();
  }
  return cli::chooseSprache(early.lang, setting, userLanguageTag());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = programArguments(argc, argv);
  cli::Context context{{}, executableFolder(), {}, std::cout, std::cerr};
  context.sprache = spracheOfRun(args);
  cli::CommandLine commandLine(context.texts());
  cli::addCommands(commandLine);
  return commandLine.run(args, context);
}
