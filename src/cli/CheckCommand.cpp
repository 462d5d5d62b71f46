// check [--repair] [--yes]: the health check of every registered mapset and
// every gmap package, one line per finding; with --repair each repairable
// finding is mended and its result printed. A registration whose TDB and
// tile folder are gone is removed only with --yes.
#include <ostream>

#include "app/Language.h"
#include "app/Settings.h"
#include "app/messages/CheckTexts.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "check/BaseFindings.h"
#include "check/FindingLine.h"
#include "check/HealthCheck.h"
#include "check/Repairs.h"
#include "cli/CatalogueReading.h"
#include "cli/StreamDialogs.h"
#include "platform/FolderOps.h"
#include "platform/Platform.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] = "check [--repair] [--yes]";

struct CheckOptions {
  bool repair = false;
  bool yes = false;
};

std::optional<CheckOptions> checkOptions(const std::vector<std::string>& args) {
  CheckOptions options;
  for (const std::string& arg : args) {
    if (arg == "--repair")
      options.repair = true;
    else if (arg == "--yes")
      options.yes = true;
    else
      return std::nullopt;
  }
  return options;
}

void printRepairs(Context& context, const HealthReport& report, RepairTools& tools,
                  const CheckTexts& texts) {
  const std::vector<RepairOutcome> results = repairAll(report, tools);
  for (std::size_t index = 0; index < results.size(); ++index) {
    context.out << repairLine(report.findings[index], results[index], texts) << '\n';
    if (results[index].result == RepairResult::Declined)
      context.err << "the removal needs the answer --yes\n";
  }
}

}  // namespace

int check(Context& context) {
  const auto options = checkOptions(context.args);
  if (!options) return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  const auto base = registryBase(context, *registry);
  if (!base) return 1;
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue messages;
  language(*registry, messages);
  const Sprache sprache = spracheFor(Settings(*registry).language()).value_or(Sprache::Deutsch);
  const CheckTexts& texts = checkTexts(sprache);
  StreamDialogs dialogs(context.err);
  const CheckPlace place{*base, unusedRegistryBases(*base),
                         gmapFolders(*registry, *facts, *base), messages.text(key::Fehler25)};
  const HealthReport report = checkInstallation(*registry, dialogs, place);
  if (report.findings.empty()) {
    context.out << texts.nothingFound << '\n';
    return 0;
  }
  if (!options->repair) {
    for (const Finding& finding : report.findings) context.out << findingLine(finding, texts) << '\n';
    return 1;
  }
  const auto folders = openSystemFolderOps(dialogs);
  RepairTools tools{*registry, dialogs, *folders, *base, tdbVorhandenTexts(sprache).tdb,
                    [yes = options->yes](const Finding&) { return yes; },
                    [&] { return checkInstallation(*registry, dialogs, place); },
                    keyBackupFolderOf(facts->specialFolder(kFolderLocalAppData))};
  printRepairs(context, report, tools, texts);
  return 1;
}

}  // namespace mapsetdesk::cli
