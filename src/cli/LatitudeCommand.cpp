#include <ostream>

#include "app/Language.h"
#include "app/Settings.h"
#include "app/messages/LatitudeTexts.h"
#include "cli/Commands.h"
#include "cli/JournaledCommand.h"
#include "edit/Latitude.h"

namespace mapsetdesk::cli {
namespace {

// What the window's field keeps of a FID or PID: a decimal number or nothing.
std::string asField(const std::string& text) { return isDecimalEntry(text) ? text : std::string(); }

const std::string& faultText(MapIdFault fault, const LatitudeTexts& texts) {
  return fault == MapIdFault::WrongPid ? texts.wrongPid : texts.wrongFid;
}

}  // namespace

int latitude(Context& context) {
  constexpr const char* kUsage = "latitude FID PID [DEGREES|auto]";
  const auto& args = context.args;
  if (args.size() < 2 || args.size() > 3) return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  const LatitudeTexts texts =
      latitudeTexts(spracheFor(Settings(*registry).language()).value_or(Sprache::Deutsch));
  auto& out = context.out;

  const MapId id = mapIdFor(asField(args[0]), asField(args[1]));
  if (id.fault != MapIdFault::None) {
    out << faultText(id.fault, texts) << '\n';
    return 1;
  }
  const std::string key = latitudeKey(id.number);
  if (args.size() == 3 && args[2] == "auto") {
    journaledChange(context, *registry, "latitude", key, [&](Recorded& recorded) {
      removeLatitude(recorded.registry, key);
      return true;
    });
  } else if (args.size() == 3) {
    const LatitudeEntry entry = readLatitudeEntry(args[2]);
    if (entry.kind == LatitudeEntryKind::Empty) return usageError(context, kUsage);
    if (entry.kind != LatitudeEntryKind::Degrees) {
      out << texts.outOfRange << '\n';
      return 1;
    }
    if (!journaledChange(context, *registry, "latitude", key, [&](Recorded& recorded) {
          return storeLatitude(recorded.registry, key, entry.degrees);
        })) {
      out << texts.notStored << '\n';
      return 1;
    }
  }
  if (const auto degrees = storedLatitude(*registry, key)) {
    out << *degrees << '\n';
  } else {
    out << texts.nothingStored << '\n';
  }
  return 0;
}

}  // namespace mapsetdesk::cli
