#include <memory>
#include <ostream>

#include "app/messages/FidTexts.h"
#include "app/messages/IdTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/IdNumber.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/JournaledCommand.h"
#include "cli/MapsetChoice.h"
#include "cli/StreamDialogs.h"
#include "edit/FidChange.h"
#include "edit/FidEntry.h"

namespace mapsetdesk::cli {
namespace {

FidChangeResult changeChosen(Context& context, const Catalogues& catalogues,
                             const ChosenMapset& chosen, std::uint16_t fid, Sprache sprache) {
  const auto registry = openRegistry(context);
  StreamDialogs dialogs(context.err);
  const TdbTexts texts = tdbVorhandenTexts(sprache).tdb;
  const std::string mapset =
      chosen.registry ? chosen.registry->cells.name : chosen.package->display;
  FidChangeResult result;
  const ActionOutcome outcome =
      journaledChangeOutcome(context, *registry, "fid", mapset, [&](Recorded& recorded) {
    result =
        chosen.registry
            ? changeRegisteredFid(recorded.registry, *chosen.registry, catalogues.registry, fid,
                                  dialogs, texts, keepingIn(recorded.entry))
            : changePackageFid(*chosen.package, fid, dialogs, texts, keepingIn(recorded.entry));
    return result.stop == FidChangeStop::None;
  });
  return afterJournal(result, outcome);
}

int reportStop(Context& context, const FidChangeResult& result, const FidTexts& texts) {
  switch (result.stop) {
    case FidChangeStop::None:
      return 0;
    case FidChangeStop::TypClash:
      context.err << texts.typClash << result.stoppedAt << '\n';
      break;
    case FidChangeStop::MapMissing:
      context.err << texts.mapMissing << '\n';
      break;
    case FidChangeStop::FileFailed:
      context.err << fidStoppedMessage(texts, result.stoppedAt, result.changed) << '\n';
      break;
  }
  return 1;
}

// The rows that now carry the new FID, as `list` prints them.
void printChangedRows(Context& context, const std::string& fid) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return;
  for (const CatalogueRow& row : catalogues->registry.rows)
    if (row.cells.fid == fid) printRegistryRow(context.out, row);
  for (const GmapRow& row : catalogues->packages.rows)
    if (row.fid == fid) printGmapRow(context.out, row);
}

struct SetFidArguments {
  MapsetKind kind = MapsetKind::Any;
  std::string mapset;
  std::optional<std::string> fid;
};

int setFid(Context& context, const SetFidArguments& args) {
  const Sprache sprache = context.sprache;
  const FidTexts texts = fidTexts(sprache);
  const std::string& typed = *args.fid;
  if (const IdFault fault = idFault(typed); fault != IdFault::None) {
    context.err << idFaultText(sprache, IdKind::Fid, fault) << '\n';
    return 1;
  }
  const std::string fidText = std::to_string(*idFromText(typed));
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return 1;
  const auto chosen = chooseMapset(context, *catalogues, args.mapset, args.kind);
  if (!chosen) return 1;
  if (isFidInUse(fidText, catalogues->registry, catalogues->packages)) {
    context.err << texts.inUse << '\n';
    return 1;
  }
  const std::uint16_t fid = *idFromText(typed);
  const FidChangeResult result = changeChosen(context, *catalogues, *chosen, fid, sprache);
  if (const int failed = reportStop(context, result, texts)) return failed;
  printChangedRows(context, fidText);
  return 0;
}

}  // namespace

void addSetFid(CommandLine& commandLine) {
  auto args = std::make_shared<SetFidArguments>();
  CLI::App& command =
      commandLine.add("set-fid", [args](Context& context) { return setFid(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.argument(command, "MAPSET", args->mapset)->required();
  commandLine.number(command, "NEWFID", args->fid)->required();
}

}  // namespace mapsetdesk::cli
