#include "app/Startup.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "app/StartupRecovery.h"
#include "app/messages/MessageKeys.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

constexpr std::array<std::string_view, 4> kVersionsAskingForAdmin{
    "Windows NT 4.0", "Windows XP", "Windows Vista", "Windows 7"};

bool endInsteadOfMissingAdminRights(Services& services, Session& session) {
  if (!asksForAdminRights(services.facts.versionName()) || services.facts.IsAdmin()) return false;
  const Message question{session.texts.text(key::Satz28), std::string(kMessageTitle),
                         Buttons::YesNo, Icon::None};
  return services.dialogs.message(question) == Answer::Yes;
}

// Told once, in the user's language, before any question of the start.
void tellRecovery(Services& services, const Session& session, const Recovery& recovery) {
  const Sprache sprache = session.texts.sprache().value_or(Sprache::Deutsch);
  const std::string text = recoveryMessage(historyTexts(sprache), recovery);
  if (!text.empty())
    services.dialogs.message(
        Message{text, std::string(kMessageTitle), Buttons::Ok, Icon::Information});
}

}  // namespace

bool asksForAdminRights(const std::string& versionName) {
  for (const auto name : kVersionsAskingForAdmin) {
    if (versionName == name) return true;
  }
  return false;
}

StartupOutcome startUp(Services& services, Session& session, StartupWindow& window) {
  const Recovery recovery = recoverAndTrimJournal(services.registry, services.facts);
  window.Farbe();
  session.userName = services.facts.myGetUserName();
  window.showOptionPictures();
  language(services.registry, session.texts);
  session.texts.setToolTip("CmdExpImp", session.texts.text(key::Tooltip3));
  window.applyTexts();
  tellRecovery(services, session, recovery);
  if (endInsteadOfMissingAdminRights(services, session)) return StartupOutcome::EndProgram;
  window.hideNewMapsetLabels();
  window.showTitle(std::string(kTitleWithBuild));
  Settings settings(services.registry);
  // Without a folder of its own the tile list starts at the user's documents,
  // not wherever the program happened to be started.
  if (const std::string dir = settings.dir(); isFolder(dir))
    window.openTileFolder(dir);
  else if (const std::string documents = services.facts.specialFolder(kFolderPersonal);
           isFolder(documents))
    window.openTileFolder(documents);
  session.cgps = settings.cgps();
  services.sound.playAsync(joinPath(services.programFolder, "Intro.wav"));
  settleRegistryBase(services, session);
  measureBaseCampTileCache(services, session);
  window.showBaseCampCacheCaption();
  return StartupOutcome::Ready;
}

void settleRegistryBase(Services& services, Session& session) {
  Settings settings(services.registry);
  auto base = registryBaseFor(settings.wow64());
  while (!base) {
    const Message question{session.texts.text(key::Satz70), std::string(kMessageTitle),
                           Buttons::YesNo, Icon::None};
    const bool is64 = services.dialogs.message(question) == Answer::Yes;
    settings.storeWow64(is64);
    base = registryBaseFor(settings.wow64());
    if (!base) {
      // The user's settings refuse the answer, and asking again could never
      // end: the answer holds for this run and the user learns why it will be
      // asked again at the next start.
      services.dialogs.message(Message{session.texts.text(key::Fehler29),
                                       std::string(kMessageTitle), Buttons::Ok,
                                       Icon::Exclamation});
      base = registryBaseFor(is64 ? kWow64Yes : kWow64No);
    }
  }
  session.vReg6432 = *base;
  session.wwoww = *base == kRegistryBase64;
}

CacheReading measureBaseCampTileCache(Services& services, Session& session) {
  const CacheReading reading = readTileCache(services.facts, TileCache::BaseCamp);
  keepBaseCampCacheSize(session, reading);
  return reading;
}

void keepBaseCampCacheSize(Session& session, const CacheReading& reading) {
  const bool measured = reading.state == CacheState::Measured;
  session.vMB = measured ? static_cast<long long>(reading.megabytes()) : 0;
  session.vstringMB = measured ? std::to_string(session.vMB) + " MB" : std::string();
}

}  // namespace mapsetdesk
