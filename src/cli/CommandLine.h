#pragma once
// The command line of mapsetdesk-cli, parsed by CLI11. A command is one file
// that declares its options and arguments here (addXxx below Commands.h)
// and one entry in the table of CommandTable.cpp; its help texts are in the
// catalogue (app/messages/CliTexts). The options before and after the
// command (--home, --program-folder, --lang) are the program's.
#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/messages/CliTexts.h"
#include "cli/Commands.h"
#include "cli/MapsetChoice.h"

namespace mapsetdesk::cli {

using CommandRun = std::function<int(Context&)>;

class CommandLine {
 public:
  explicit CommandLine(const CliTexts& texts);

  // The command with its help from the catalogue; run is called with the
  // context once the whole line is parsed.
  CLI::App& add(const std::string& name, CommandRun run);
  // A command that takes its arguments as they stand, in Context::args.
  CLI::App& addUnparsed(const std::string& name, int (*command)(Context&));
  // Its arguments, after its own --help, reach the command as they stand,
  // the program's options included.
  void takeAsTheyStand(CLI::App& command);
  // A command below another ("reg import"), its help under that path.
  CLI::App& addBelow(CLI::App& parent, const std::string& name, CommandRun run);
  void runs(CLI::App& command, CommandRun run);

  // What an option or argument of the command means, from the catalogue.
  std::string describeOption(const CLI::App& command, const std::string& name) const;

  // Options and arguments of a command, described from the catalogue.
  CLI::Option* flag(CLI::App& command, const std::string& name, bool& value);
  CLI::Option* option(CLI::App& command, const std::string& name, std::string& value,
                      const std::string& valueName);
  CLI::Option* option(CLI::App& command, const std::string& name,
                      std::optional<std::string>& value, const std::string& valueName);
  // Digits only; anything else is a usage error.
  CLI::Option* number(CLI::App& command, const std::string& name,
                      std::optional<std::string>& value);
  CLI::Option* argument(CLI::App& command, const std::string& name, std::string& value);
  CLI::Option* arguments(CLI::App& command, const std::string& name,
                         std::vector<std::string>& values);
  // One of the words; anything else is a usage error.
  CLI::Option* word(CLI::App& command, const std::string& name, std::string& value,
                    const std::vector<std::string>& words);
  // --registry and --gmap, which narrow the mapset choice.
  void mapsetKind(CLI::App& command, MapsetKind& kind);
  // --json.
  void json(CLI::App& command, bool& value);

  // Parses the program's arguments into context and returns the exit code:
  // the command's, 0 after help or the version, 2 after a usage error.
  int run(const std::vector<std::string>& args, Context& context);

  CLI::App& app() { return app_; }

 private:
  int usageError(const CLI::ParseError& error, Context& context);
  // The commands chosen on the line, outermost first.
  std::vector<CLI::App*> chosenCommands() const;

  const CliTexts& texts_;
  CLI::App app_;
  std::string lang_;
  std::string home_;
  std::string programFolder_;
  std::vector<std::pair<CLI::App*, CommandRun>> runs_;
};

// Every command of the table added to the command line.
void addCommands(CommandLine& commandLine);

}  // namespace mapsetdesk::cli
