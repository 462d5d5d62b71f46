// help [COMMAND]: the list of commands, or one command's help, on the
// standard output, as --help shows them.
#include <memory>
#include <ostream>

#include "cli/CommandLine.h"

namespace mapsetdesk::cli {

void addHelp(CommandLine& commandLine) {
  auto name = std::make_shared<std::string>();
  CLI::App& program = commandLine.app();
  CLI::App& command = commandLine.add("help", [name, &program](Context& context) {
    if (name->empty()) {
      context.out << program.get_formatter()->make_help(&program, "mapsetdesk-cli",
                                                        CLI::AppFormatMode::Normal);
      return 0;
    }
    try {
      context.out << program.get_subcommand(*name)->help("mapsetdesk-cli");
      return 0;
    } catch (const CLI::OptionNotFound&) {
      const CliTexts& texts = context.texts();
      context.err << texts.unknownCommand << *name << '\n'
                  << texts.seeHelp << "--help" << '\n';
      return 2;
    }
  });
  commandLine.argument(command, "COMMAND", *name);
}

}  // namespace mapsetdesk::cli
