#include "app/Language.h"

#include <array>
#include <utility>

#include "app/Settings.h"
#include "app/messages/MessageKeys.h"

namespace mapsetdesk {
namespace {

// What the German reset writes onto the main controls before the language
// is applied; they stay visible when the setting names no language.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kGermanResetCaptions{{
    {"Label4", "ausgewaehlte Files :"},
    {"Command2", "weiteres Mapset in 'Mapsource' einbinden oder entfernen"},
    {"CommandHinzufuegen", "Mapset hinzufuegen"},
    {"CommandKartenentfernen", "Karten anzeigen/entfernen"},
    {"Label3", "Name in 'MapSource'"},
    {"CommandButtonPV", "next step;add to Mapsource"},
    {"Command1", "Selection is finished"},
    {"CommandAllesLoeschen", "zurueck"},
}};

void setGermanResetCaptions(MessageCatalogue& catalogue) {
  for (const auto& [control, caption] : kGermanResetCaptions) {
    catalogue.setCaption(control, std::string(caption));
  }
}

}  // namespace

std::optional<Sprache> spracheFor(std::string_view setting) {
  if (setting == kLanguageGerman || setting.empty()) return Sprache::Deutsch;
  if (setting == kLanguageEnglish) return Sprache::English;
  return std::nullopt;
}

Sprache chosenSprache(Registry& registry) {
  return spracheFor(Settings(registry).language()).value_or(Sprache::Deutsch);
}

void language(Registry& registry, MessageCatalogue& catalogue) {
  if (const auto sprache = spracheFor(Settings(registry).language())) {
    catalogue.fill(*sprache);
  } else if (catalogue.empty()) {
    catalogue.fill(Sprache::Deutsch);
  }
  catalogue.setToolTip("CommandFilename", catalogue.text(key::Satz48));
}

void toggleLanguage(Registry& registry, Dialogs& dialogs, MessageCatalogue& catalogue) {
  Settings settings(registry);
  const std::string current = settings.language();
  std::string_view next = kLanguageEnglish;
  std::string_view menuCaption = "English";
  if (current == kLanguageEnglish) {
    setGermanResetCaptions(catalogue);
    next = kLanguageGerman;
    menuCaption = "Deutsch";
  } else if (current != kLanguageGerman) {
    menuCaption = {};
  }
  const bool stored = settings.storeLanguage(next, dialogs, catalogue.text(key::Fehler29));
  if (stored && !menuCaption.empty()) catalogue.setCaption("Sprachwahl", std::string(menuCaption));
  language(registry, catalogue);
}

void resetLanguageToGerman(Registry& registry, Dialogs& dialogs, MessageCatalogue& catalogue) {
  setGermanResetCaptions(catalogue);
  Settings(registry).storeLanguage(kLanguageGerman, dialogs, catalogue.text(key::Fehler29));
  language(registry, catalogue);
}

void SpracheEinstellungen(Registry& registry, EinstellungenTexts& texts) {
  if (const auto sprache = spracheFor(Settings(registry).language())) {
    texts = einstellungenTexts(*sprache);
  }
}

}  // namespace mapsetdesk
