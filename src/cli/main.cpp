#include <exception>
#include <iostream>
#include <map>
#include <string>

#include "app/Version.h"
#include "app/messages/UnexpectedError.h"
#include "cli/Commands.h"
#include "platform/ProgramArguments.h"

namespace mapsetdesk::cli {
namespace {

using Command = int (*)(Context&);

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"cache", cache},
      {"cache-clear", cacheClear},
      {"check", check},
      {"convert", convert},
      {"draw-priority", drawPriority},
      {"duplicates", duplicates},
      {"export", exportMapset},
      {"free-fid", freeFid},
      {"history", history},
      {"import", importFolder},
      {"info", info},
      {"install", install},
      {"latitude", latitude},
      {"list", list},
      {"paths", paths},
      {"reg", reg},
      {"register", registerExisting},
      {"remove", remove},
      {"rename", renameMapset},
      {"set-fid", setFid},
      {"set-wow64", setWow64},
      {"tool", tool},
      {"tools", tools},
      {"typ", typ},
      {"undo", undo},
  };
  return table;
}

int printUsage(std::ostream& err) {
  err << "usage: mapsetdesk-cli [--home DIR] [--program-folder DIR] COMMAND [ARGS...]\n"
         "       mapsetdesk-cli --version\n"
         "commands:";
  for (const auto& entry : commands()) err << ' ' << entry.first;
  err << '\n';
  return 2;
}

}  // namespace

int usageError(Context& context, const std::string& usage) {
  context.err << "usage: mapsetdesk-cli " << usage << '\n';
  return 2;
}

// No error of a command ends the program unreported: it stops the command,
// which has put back what it changed, and is told as the windows tell it.
int runCommand(Command command, Context& context) {
  try {
    return command(context);
  } catch (const std::exception& error) {
    context.err << mapsetdesk::unexpectedErrorText(error.what()) << '\n';
  } catch (...) {
    context.err << mapsetdesk::unexpectedErrorText("unknown error") << '\n';
  }
  return 1;
}

}  // namespace mapsetdesk::cli

int main(int argc, char** argv) {
  using namespace mapsetdesk::cli;
  std::vector<std::string> args = mapsetdesk::programArguments(argc, argv);
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "mapsetdesk " << mapsetdesk::kVersion << '\n';
    return 0;
  }
  Context context{{}, mapsetdesk::executableFolder(), {}, std::cout, std::cerr};
  std::size_t next = 0;
  while (next < args.size() && (args[next] == "--home" || args[next] == "--program-folder")) {
    if (next + 1 >= args.size()) return printUsage(std::cerr);
    std::string& setting =
        args[next] == "--home" ? context.platform.dataRoot : context.programFolder;
    setting = args[next + 1];
    next += 2;
  }
  if (next >= args.size()) return printUsage(std::cerr);
  const auto command = commands().find(args[next]);
  if (command == commands().end()) return printUsage(std::cerr);
  context.args.assign(args.begin() + static_cast<long>(next) + 1, args.end());
  runCommand(recoverAtStart, context);
  return runCommand(command->second, context);
}
