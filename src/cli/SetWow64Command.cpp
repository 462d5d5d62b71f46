#include <ostream>

#include "app/Settings.h"
#include "cli/Commands.h"

namespace mapsetdesk::cli {

int setWow64(Context& context) {
  constexpr const char* kUsage = "set-wow64 yes|no";
  if (context.args.size() != 1) return usageError(context, kUsage);
  const std::string& answer = context.args[0];
  if (answer != "yes" && answer != "no") return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  Settings settings(*registry);
  settings.storeWow64(answer == "yes");
  const std::string stored = settings.wow64();
  if (stored != (answer == "yes" ? kWow64Yes : kWow64No)) {
    context.err << "set-wow64: the setting could not be stored\n";
    return 1;
  }
  context.out << "wow64: " << stored << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
