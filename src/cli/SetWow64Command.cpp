#include <memory>
#include <ostream>

#include "app/Settings.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CommandLine.h"

namespace mapsetdesk::cli {
namespace {

int setWow64(Context& context, const std::string& answer) {
  const auto registry = openRegistry(context);
  Settings settings(*registry);
  settings.storeWow64(answer == "yes");
  if (settings.wow64() != (answer == "yes" ? kWow64Yes : kWow64No)) {
    context.err << context.texts().settingNotStored << '\n';
    return 1;
  }
  context.out << "wow64: " << answer << '\n';
  return 0;
}

}  // namespace

void addSetWow64(CommandLine& commandLine) {
  auto answer = std::make_shared<std::string>();
  CLI::App& command = commandLine.add(
      "set-wow64", [answer](Context& context) { return setWow64(context, *answer); });
  commandLine.word(command, "ANSWER", *answer, {"yes", "no"})->required();
}

}  // namespace mapsetdesk::cli
