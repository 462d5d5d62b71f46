#include <memory>
#include <ostream>

#include "app/messages/LatitudeTexts.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/CommandLine.h"
#include "cli/JournaledCommand.h"
#include "edit/Latitude.h"

namespace mapsetdesk::cli {
namespace {

// What the window's field keeps of a FID or PID: a decimal number or nothing.
std::string asField(const std::string& text) { return isDecimalEntry(text) ? text : std::string(); }

const std::string& faultText(MapIdFault fault, const LatitudeTexts& texts) {
  return fault == MapIdFault::WrongPid ? texts.wrongPid : texts.wrongFid;
}

struct LatitudeArguments {
  std::optional<std::string> fid;
  std::optional<std::string> pid;
  std::optional<std::string> degrees;
};

int latitude(Context& context, const LatitudeArguments& args) {
  const auto registry = openRegistry(context);
  const LatitudeTexts texts = latitudeTexts(context.sprache);
  const MapId id = mapIdFor(asField(*args.fid), asField(*args.pid));
  if (id.fault != MapIdFault::None) {
    context.err << faultText(id.fault, texts) << '\n';
    return 1;
  }
  const std::string key = latitudeKey(id.number);
  if (args.degrees == "auto") {
    journaledChange(context, *registry, "latitude", key, [&](Recorded& recorded) {
      removeLatitude(recorded.registry, key);
      return true;
    });
  } else if (args.degrees) {
    const LatitudeEntry entry = readLatitudeEntry(*args.degrees);
    if (entry.kind == LatitudeEntryKind::Empty || entry.kind == LatitudeEntryKind::NotANumber)
      return usageError(context, "latitude", context.texts().notANumber + *args.degrees);
    if (entry.kind != LatitudeEntryKind::Degrees) {
      context.err << texts.outOfRange << '\n';
      return 1;
    }
    if (!journaledChange(context, *registry, "latitude", key, [&](Recorded& recorded) {
          return storeLatitude(recorded.registry, key, entry.degrees);
        })) {
      context.err << texts.notStored << '\n';
      return 1;
    }
  }
  if (const auto degrees = storedLatitude(*registry, key)) {
    context.out << *degrees << '\n';
  } else {
    context.err << texts.nothingStored << '\n';
  }
  return 0;
}

}  // namespace

void addLatitude(CommandLine& commandLine) {
  auto args = std::make_shared<LatitudeArguments>();
  CLI::App& command = commandLine.add(
      "latitude", [args](Context& context) { return latitude(context, *args); });
  commandLine.number(command, "FID", args->fid)->required();
  commandLine.number(command, "PID", args->pid)->required();
  commandLine.option(command, "DEGREES", args->degrees, "");
}

}  // namespace mapsetdesk::cli
