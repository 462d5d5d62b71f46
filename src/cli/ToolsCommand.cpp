#include <ostream>

#include "app/Settings.h"
#include "cli/Commands.h"

namespace mapsetdesk::cli {

int tools(Context& context) {
  constexpr const char* kUsage = "tools [auto|extern|intern]";
  if (context.args.size() > 1) return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  Settings settings(*registry);
  if (!context.args.empty()) {
    const std::string& wanted = context.args[0];
    const ToolsChoice choice = toolsChoiceFrom(wanted);
    if (toolsChoiceName(choice) != wanted) return usageError(context, kUsage);
    if (!settings.storeTools(choice)) {
      context.err << "tools: the setting could not be stored\n";
      return 1;
    }
  }
  context.out << "tools: " << toolsChoiceName(settings.tools()) << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
