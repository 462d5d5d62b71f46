#pragma once
// The user interface's language: the `Language` setting decides which texts
// the main window's catalogue and the settings window hold.
#include <optional>
#include <string_view>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/EinstellungenTexts.h"
#include "app/messages/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace mapsetdesk {

// German for "Deu" and for the empty text (which is also what an absent value
// reads as), English for "Eng", none for anything else.
std::optional<Sprache> spracheFor(std::string_view setting);

// The language the windows opened later speak: the setting's, German where
// it names none.
Sprache chosenSprache(Registry& registry);

// Fills the catalogue, captions and tool tips for the `Language` setting. A
// setting that names no language keeps the texts in place; before the first
// fill there are none to keep, so German is used then.
void language(Registry& registry, MessageCatalogue& catalogue);

// The language menu `Sprachwahl`: "Deu" becomes "Eng", "Eng" becomes "Deu",
// anything else becomes "Eng". The menu caption names the new language once it
// is stored (any other value leaves the caption). The store is checked.
void toggleLanguage(Registry& registry, Dialogs& dialogs, MessageCatalogue& catalogue);

// A click on `Label9`: the German captions of the main controls, then "Deu"
// is stored (checked) and the language applied.
void resetLanguageToGerman(Registry& registry, Dialogs& dialogs, MessageCatalogue& catalogue);

// `SpracheEinstellungen`: the settings window's texts for the `Language`
// setting; a setting that names no language leaves them as they are, so the
// window starts from its German texts.
void SpracheEinstellungen(Registry& registry, EinstellungenTexts& texts);

}  // namespace mapsetdesk
