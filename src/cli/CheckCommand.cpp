// check [--repair] [--yes]: the health check of every registered mapset and
// every gmap package, one line per finding; with --repair each repairable
// finding is mended and its result printed. A registration whose TDB and
// tile folder are gone is removed only with --yes.
#include <iterator>
#include <memory>
#include <ostream>

#include "app/messages/CheckTexts.h"
#include "app/messages/MessageCatalogue.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "check/BaseFindings.h"
#include "check/FindingLine.h"
#include "check/HealthCheck.h"
#include "check/Repairs.h"
#include "cli/CatalogueReading.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
#include "cli/StreamDialogs.h"
#include "history/Journal.h"
#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "platform/Platform.h"

namespace mapsetdesk::cli {
namespace {

struct CheckOptions {
  bool repair = false;
  bool yes = false;
  bool json = false;
};

// Names for scripts, in the order of FindingKind and of RepairResult; the
// texts beside them are in the user's language.
constexpr const char* kKindNames[] = {
    "tdbMissing",        "tdbUnreadable",    "checksumStale",      "overviewMissing",
    "tileFolderMissing", "tileMissing",      "typMissing",         "typFidWrong",
    "indexMissing",      "indexDamaged",     "indexFidWrong",      "registryIdWrong",
    "duplicateFid",      "fidZero",          "productsLayout",     "wrongBase",
    "infoXmlMissing",    "infoXmlDamaged",   "orphaned",           "registeredTwice",
    "registryUnreadable", "infoXmlIdWrong",  "typShared",          "notReachable"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(FindingKind::NotReachable) + 1);
constexpr const char* kResultNames[] = {"repaired", "notRepairable", "declined", "failed"};

nlohmann::json findingJson(const Finding& finding, const CheckTexts& texts) {
  return {{"severity", finding.severity == Severity::Error ? "error" : "warning"},
          {"name", finding.mapset.name},
          {"fid", finding.mapset.fid},
          {"pid", finding.mapset.pid},
          {"kind", kKindNames[static_cast<int>(finding.kind)]},
          {"problem", texts.kinds[static_cast<int>(finding.kind)]},
          {"subject", finding.subject},
          {"repairable", finding.repair != RepairKind::None},
          {"repair", texts.repairs[static_cast<int>(finding.repair)]}};
}

nlohmann::json outcomeJson(const RepairOutcome& outcome) {
  return {{"result", kResultNames[static_cast<int>(outcome.result)]},
          {"backup", outcome.backup},
          {"failedAt", outcome.failedAt},
          {"putBack", outcome.putBack}};
}

void printFindings(Context& context, const HealthReport& report, const CheckTexts& texts,
                   bool json) {
  nlohmann::json entries = nlohmann::json::array();
  for (const Finding& finding : report.findings) {
    if (json) entries.push_back(findingJson(finding, texts));
    else context.out << findingLine(finding, texts) << '\n';
  }
  if (json) printJson(context.out, entries);
}

void printRepairs(Context& context, const HealthReport& report, RepairTools& tools,
                  const CheckTexts& texts, bool json) {
  const std::vector<RepairOutcome> results = repairAll(report, tools);
  nlohmann::json entries = nlohmann::json::array();
  for (std::size_t index = 0; index < results.size(); ++index) {
    const Finding& finding = report.findings[index];
    if (json) {
      nlohmann::json entry = findingJson(finding, texts);
      entry["outcome"] = outcomeJson(results[index]);
      entries.push_back(entry);
    } else {
      context.out << repairLine(finding, results[index], texts) << '\n';
    }
    if (results[index].result == RepairResult::Declined)
      context.err << context.texts().removalNeedsYes << '\n';
  }
  if (json) printJson(context.out, entries);
}

int check(Context& context, const CheckOptions& options) {
  const auto registry = openRegistry(context);
  const auto base = registryBase(context, *registry);
  if (!base) return 1;
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue messages;
  messages.fill(context.sprache);
  const CheckTexts& texts = checkTexts(context.sprache);
  StreamDialogs dialogs(context.err);
  const CheckPlace place{*base, unusedRegistryBases(*base),
                         gmapFolders(*registry, *facts, *base), messages.text(key::Fehler25)};
  const HealthReport report = checkInstallation(*registry, dialogs, place);
  if (report.findings.empty()) {
    if (options.json) printJson(context.out, nlohmann::json::array());
    context.err << texts.nothingFound << '\n';
    return 0;
  }
  if (!options.repair) {
    printFindings(context, report, texts, options.json);
    return 1;
  }
  const auto folders = openSystemFolderOps(dialogs);
  RepairTools tools{*registry, dialogs, *folders, *base, tdbVorhandenTexts(context.sprache).tdb,
                    [yes = options.yes](const Finding&) { return yes; },
                    [&] { return checkInstallation(*registry, dialogs, place); },
                    keyBackupFolderOf(facts->specialFolder(kFolderLocalAppData)),
                    pathText(Journal::folderFor(*facts))};
  printRepairs(context, report, tools, texts, options.json);
  return 1;
}

}  // namespace

void addCheck(CommandLine& commandLine) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App& command =
      commandLine.add("check", [options](Context& context) { return check(context, *options); });
  commandLine.flag(command, "--repair", options->repair);
  commandLine.flag(command, "--yes", options->yes);
  commandLine.json(command, options->json);
}

}  // namespace mapsetdesk::cli
