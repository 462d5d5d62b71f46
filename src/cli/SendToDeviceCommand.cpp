// device-image --out FILE [--yes] MAPSET...: one device image of the chosen
// mapsets, as the send-to-device window writes it; --yes replaces an
// existing file. Prints one line per mapset written: name, FID, PID.
#include <memory>
#include <ostream>

#include "app/messages/SendToDeviceTexts.h"
#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/MapsetChoice.h"
#include "platform/FilePath.h"
#include "transfer/DeviceImageWriter.h"
#include "transfer/DeviceRefusalText.h"

namespace mapsetdesk::cli {
namespace {

struct DeviceImageArguments {
  MapsetKind kind = MapsetKind::Any;
  std::string out;
  bool yes = false;
  std::vector<std::string> mapsets;
};

std::optional<std::vector<DeviceMapsetRead>> chosenMapsets(Context& context,
                                                           const DeviceImageArguments& args) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return std::nullopt;
  std::vector<DeviceMapsetRead> reads;
  for (const std::string& choice : args.mapsets) {
    const auto chosen = chooseMapset(context, *catalogues, choice, args.kind);
    if (!chosen) return std::nullopt;
    reads.push_back(chosen->package ? readDeviceMapset(*chosen->package)
                                    : readDeviceMapset(*chosen->registry));
  }
  return reads;
}

int writeImage(Context& context, const DeviceImageArguments& args) {
  const auto reads = chosenMapsets(context, args);
  if (!reads) return 1;
  const SendToDeviceTexts texts = sendToDeviceTexts(context.sprache);
  const std::string target = absolutePathText(args.out);
  const PlannedImage planned = planDeviceImageTo(*reads, target);
  if (!planned.plan) {
    context.err << refusalText(texts, planned.refusal) << '\n';
    return 1;
  }
  if (isFile(target) && !args.yes) {
    context.err << context.texts().imageExists << target << '\n';
    return 1;
  }
  std::vector<const DeviceMapset*> written;
  DeviceWriteProgress progress;
  progress.mapsetWritten = [&written](const DeviceMapset& mapset) { written.push_back(&mapset); };
  if (!writeDeviceImage(*planned.plan, target, progress)) {
    context.err << texts.failed << target << '\n';
    return 1;
  }
  for (const DeviceMapset* mapset : written)
    context.out << mapset->name << '\t' << mapset->fid << '\t' << mapset->pid << '\n';
  return 0;
}

}  // namespace

void addDeviceImage(CommandLine& commandLine) {
  auto args = std::make_shared<DeviceImageArguments>();
  CLI::App& command = commandLine.add(
      "device-image", [args](Context& context) { return writeImage(context, *args); });
  commandLine.mapsetKind(command, args->kind);
  commandLine.option(command, "--out", args->out, "FILE")->required();
  commandLine.flag(command, "--yes", args->yes);
  commandLine.arguments(command, "MAPSET", args->mapsets)->required();
}

}  // namespace mapsetdesk::cli
