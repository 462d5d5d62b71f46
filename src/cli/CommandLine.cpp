#include "cli/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <ostream>
#include <sstream>

#include "app/Version.h"
#include "app/messages/UnexpectedError.h"

namespace mapsetdesk::cli {
namespace {

std::string joined(const std::vector<std::string>& words, const char* separator) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : separator) + word;
  return text;
}

bool allDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isdigit(c) != 0;
  });
}

// The command's first required option or argument that the line lacks.
std::string firstMissing(const CLI::App& command) {
  for (const CLI::Option* option : command.get_options())
    if (option->get_required() && option->count() == 0) return option->get_name(true, false);
  return "COMMAND";
}

std::string excludingPair(const CLI::App& command) {
  for (const CLI::Option* option : command.get_options()) {
    if (option->count() == 0) continue;
    for (const CLI::Option* other : option->get_excludes())
      if (other->count() > 0) return option->get_name() + " " + other->get_name();
  }
  return {};
}

// The list of commands holds one line per command; the forms below the
// first line show in the command's own help.
class CommandListFormatter : public CLI::Formatter {
 public:
  std::string make_subcommand(const CLI::App* command) const override {
    const std::string& description = command->get_description();
    std::stringstream out;
    CLI::detail::format_help(out, command->get_display_name(true),
                             description.substr(0, description.find('\n')), column_width_);
    return out.str();
  }
};

// No error of a command ends the program unreported: it stops the command,
// which has put back what it changed, and is told as the windows tell it.
int runGuarded(const CommandRun& run, Context& context) {
  try {
    return run(context);
  } catch (const std::exception& error) {
    context.err << unexpectedErrorText(error.what()) << '\n';
  } catch (...) {
    context.err << unexpectedErrorText("unknown error") << '\n';
  }
  return 1;
}

}  // namespace

CommandLine::CommandLine(const CliTexts& texts)
    : texts_(texts), app_(texts.programSummary, "mapsetdesk-cli") {
  auto formatter = std::make_shared<CommandListFormatter>();
  for (const auto& [word, text] : texts.labels) formatter->label(word, text);
  formatter->column_width(36);
  app_.formatter(formatter);
  app_.option_defaults()->group(texts.labels.at("Options"));
  app_.set_help_flag("-h,--help", texts.helpFlag);
  // Given twice, the last one counts, as a script that adds one expects.
  app_.add_option("--home", home_, texts.homeOption)
      ->type_name("DIR")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app_.add_option("--program-folder", programFolder_, texts.programFolderOption)
      ->type_name("DIR")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  word(app_, "--lang", lang_, {"de", "en"})
      ->description(texts.langOption)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app_.add_flag("--version", texts.versionFlag);
  app_.require_subcommand(0, 1);
}

CLI::App& CommandLine::add(const std::string& name, CommandRun run) {
  return addBelow(app_, name, std::move(run));
}

CLI::App& CommandLine::addBelow(CLI::App& parent, const std::string& name, CommandRun run) {
  const std::string path = &parent == &app_ ? name : parent.get_name() + " " + name;
  const auto help = texts_.commands.find(path);
  const CommandHelp none;
  const CommandHelp& text = help == texts_.commands.end() ? none : help->second;
  std::string description = text.summary;
  if (!text.details.empty()) description += "\n" + text.details;
  CLI::App* command = parent.add_subcommand(name, description);
  command->group(texts_.labels.at("Subcommands"));
  command->option_defaults()->group(texts_.labels.at("Options"));
  command->get_help_ptr()->group(texts_.labels.at("Options"));
  command->fallthrough();
  command->footer(text.example.empty() ? "" : texts_.exampleLabel + "\n  " + text.example);
  if (run) runs(*command, std::move(run));
  return *command;
}

void CommandLine::runs(CLI::App& command, CommandRun run) {
  command.fallthrough();
  runs_.emplace_back(&command, std::move(run));
}

std::vector<CLI::App*> CommandLine::chosenCommands() const {
  std::vector<CLI::App*> chain;
  for (std::vector<CLI::App*> chosen = app_.get_subcommands(); !chosen.empty();
       chosen = chosen.front()->get_subcommands())
    chain.push_back(chosen.front());
  return chain;
}

CLI::App& CommandLine::addUnparsed(const std::string& name, int (*command)(Context&)) {
  CLI::App& added = add(name, command);
  takeAsTheyStand(added);
  return added;
}

void CommandLine::takeAsTheyStand(CLI::App& command) {
  // Passed on to the program, an unknown option would be a usage error.
  command.fallthrough(false);
  command.prefix_command();
}

std::string CommandLine::describeOption(const CLI::App& command, const std::string& name) const {
  const auto own = texts_.options.find(command.get_name() + " " + name);
  if (own != texts_.options.end()) return own->second;
  const auto shared = texts_.options.find(name);
  return shared == texts_.options.end() ? std::string() : shared->second;
}

CLI::Option* CommandLine::flag(CLI::App& command, const std::string& name, bool& value) {
  return command.add_flag(name, value, describeOption(command, name));
}

CLI::Option* CommandLine::option(CLI::App& command, const std::string& name, std::string& value,
                                 const std::string& valueName) {
  return command.add_option(name, value, describeOption(command, name))->type_name(valueName);
}

CLI::Option* CommandLine::option(CLI::App& command, const std::string& name,
                                 std::optional<std::string>& value,
                                 const std::string& valueName) {
  return command
      .add_option_function<std::string>(
          name, [&value](const std::string& given) { value = given; }, describeOption(command, name))
      ->type_name(valueName);
}

CLI::Option* CommandLine::number(CLI::App& command, const std::string& name,
                                 std::optional<std::string>& value) {
  const bool isOption = name.rfind("--", 0) == 0;
  const std::string notANumber = texts_.notANumber;
  return option(command, name, value, isOption ? "N" : "")
      ->check(CLI::Validator(
          [notANumber](std::string& given) { return allDigits(given) ? "" : notANumber + given; },
          ""));
}

CLI::Option* CommandLine::argument(CLI::App& command, const std::string& name,
                                   std::string& value) {
  return command.add_option(name, value, describeOption(command, name))->type_name("");
}

CLI::Option* CommandLine::arguments(CLI::App& command, const std::string& name,
                                    std::vector<std::string>& values) {
  return command.add_option(name, values, describeOption(command, name))->type_name("");
}

CLI::Option* CommandLine::word(CLI::App& command, const std::string& name, std::string& value,
                               const std::vector<std::string>& words) {
  const std::string notOneOf = texts_.notOneOf + joined(words, ", ");
  return command.add_option(name, value, describeOption(command, name))
      ->type_name(joined(words, "|"))
      ->check(CLI::Validator(
          [words, notOneOf](std::string& given) {
            return std::find(words.begin(), words.end(), given) == words.end() ? notOneOf
                                                                             : std::string();
          },
          ""));
}

void CommandLine::mapsetKind(CLI::App& command, MapsetKind& kind) {
  CLI::Option* registry = command.add_flag_callback(
      "--registry", [&kind] { kind = MapsetKind::Registry; }, describeOption(command, "--registry"));
  CLI::Option* gmap = command.add_flag_callback(
      "--gmap", [&kind] { kind = MapsetKind::Gmap; }, describeOption(command, "--gmap"));
  registry->excludes(gmap);
}

void CommandLine::json(CLI::App& command, bool& value) { flag(command, "--json", value); }

int CommandLine::usageError(const CLI::ParseError& error, Context& context) {
  const std::vector<CLI::App*> chosen = chosenCommands();
  const CLI::App& command = chosen.empty() ? static_cast<const CLI::App&>(app_) : *chosen.back();
  std::string path;
  for (const CLI::App* each : chosen) path += (path.empty() ? "" : " ") + each->get_name();
  auto& err = context.err;
  if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
    // A command passes what it does not know on to the program, which reports it.
    const std::vector<std::string> extra = app_.remaining(true);
    err << (chosen.empty() ? texts_.unknownCommand : texts_.unexpectedArgument)
        << joined(extra, " ") << '\n';
  } else if (dynamic_cast<const CLI::RequiredError*>(&error)) {
    err << texts_.missingArgument << firstMissing(command) << '\n';
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    err << texts_.missingValue << '\n';
  } else if (dynamic_cast<const CLI::ValidationError*>(&error)) {
    err << error.what() << '\n';
  } else if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
    err << texts_.excludeEachOther << excludingPair(command) << '\n';
  } else {
    err << texts_.wrongArguments << '\n';
  }
  err << texts_.seeHelp << path << (chosen.empty() ? "--help" : texts_.seeHelpEnd) << '\n';
  return 2;
}

int CommandLine::run(const std::vector<std::string>& args, Context& context) {
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app_.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    context.out << app_.help();
    return 0;
  } catch (const CLI::ParseError& error) {
    return usageError(error, context);
  }
  const std::vector<CLI::App*> chosen = chosenCommands();
  if (app_.get_option("--version")->count() > 0) {
    if (!chosen.empty()) {
      context.err << texts_.wrongArguments << '\n' << "mapsetdesk-cli --version\n";
      return 2;
    }
    context.out << "mapsetdesk " << kVersion << '\n';
    return 0;
  }
  if (chosen.empty()) {
    context.err << app_.help();
    return 2;
  }
  if (!home_.empty()) context.platform.dataRoot = home_;
  if (!programFolder_.empty()) context.programFolder = programFolder_;
  // What an interrupted run left unfinished is put back before anything else.
  runGuarded(recoverAtStart, context);
  for (const auto& [command, run] : runs_) {
    if (command != chosen.back()) continue;
    if (command->get_prefix_command()) context.args = command->remaining();
    return runGuarded(run, context);
  }
  return 2;
}

int usageError(Context& context, const std::string& command, const std::string& problem) {
  const CliTexts& texts = context.texts();
  context.err << problem << '\n' << texts.seeHelp << command << texts.seeHelpEnd << '\n';
  return 2;
}

}  // namespace mapsetdesk::cli
