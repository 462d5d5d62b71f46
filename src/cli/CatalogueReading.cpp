#include "cli/CatalogueReading.h"

#include <initializer_list>
#include <ostream>

#include "app/Language.h"
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/RegistryAccess.h"
#include "cli/StreamDialogs.h"

namespace mapsetdesk::cli {
namespace {

void printRow(std::ostream& out, std::initializer_list<std::string> cells) {
  const char* separator = "";
  for (const std::string& cell : cells) {
    out << separator << cell;
    separator = "\t";
  }
  out << '\n';
}

}  // namespace

void printRegistryRow(std::ostream& out, const CatalogueRow& row) {
  const CatalogueEntry& entry = row.entry;
  printRow(out, {row.cells.name, row.cells.fid, row.cells.pid, rootLabel(entry.root),
                 entry.subkeyPath, entry.tdb, entry.overview, entry.tileFolder, entry.typ});
}

void printGmapRow(std::ostream& out, const GmapRow& row) {
  printRow(out, {row.display, row.infoXml, row.fid, row.pid, row.tdb, row.index});
}

std::optional<std::string> registryBase(Context& context, Registry& registry) {
  const auto base = registryBaseFor(Settings(registry).wow64());
  if (!base && !registry.storeReadable(Root::CurrentUser))
    context.err << "the user's registry cannot be read, so neither can the setting Wow64\n";
  else if (!base)
    context.err << "the setting Wow64 is not set; store it first with: mapsetdesk-cli "
                   "set-wow64 yes|no\n";
  return base;
}

std::optional<Catalogues> readCatalogues(Context& context) {
  const auto registry = openSystemRegistry(context.platform);
  const auto base = registryBase(context, *registry);
  if (!base) return std::nullopt;
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue texts;
  language(*registry, texts);
  StreamDialogs dialogs(context.err);
  Catalogues catalogues;
  catalogues.unreadable = unreadableRegistration(*registry, *base);
  catalogues.registry = TDBlesen(*registry, dialogs, *base, texts.text(key::Fehler25));
  catalogues.packages = GMPFileslisten(gmapFolders(*registry, *facts, *base), dialogs);
  return catalogues;
}

}  // namespace mapsetdesk::cli
