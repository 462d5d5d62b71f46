#include <memory>
#include <ostream>

#include "app/Settings.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CommandLine.h"

namespace mapsetdesk::cli {
namespace {

int tools(Context& context, const std::string& wanted) {
  const auto registry = openRegistry(context);
  Settings settings(*registry);
  if (!wanted.empty() && !settings.storeTools(toolsChoiceFrom(wanted))) {
    context.err << context.texts().settingNotStored << '\n';
    return 1;
  }
  context.out << "tools: " << toolsChoiceName(settings.tools()) << '\n';
  return 0;
}

}  // namespace

void addTools(CommandLine& commandLine) {
  auto wanted = std::make_shared<std::string>();
  CLI::App& command =
      commandLine.add("tools", [wanted](Context& context) { return tools(context, *wanted); });
  commandLine.word(command, "CHOICE", *wanted, {"auto", "extern", "intern"});
}

}  // namespace mapsetdesk::cli
