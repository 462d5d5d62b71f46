#include "cli/CatalogueReading.h"

#include <ostream>

#include "app/Language.h"
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "cli/StreamDialogs.h"

namespace mapsetdesk::cli {

std::optional<Catalogues> readCatalogues(Context& context) {
  const auto registry = openSystemRegistry(context.platform);
  const auto base = registryBaseFor(Settings(*registry).wow64());
  if (!base) {
    context.err << "the setting Wow64 is not set; store it first with: mapsetdesk-cli "
                   "set-wow64 yes|no\n";
    return std::nullopt;
  }
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue texts;
  language(*registry, texts);
  StreamDialogs dialogs(context.err);
  Catalogues catalogues;
  catalogues.registry = TDBlesen(*registry, dialogs, *base, texts.text(key::Fehler25));
  catalogues.packages = GMPFileslisten(gmapFolders(*registry, *facts, *base), dialogs);
  return catalogues;
}

}  // namespace mapsetdesk::cli
