#include "cli/CatalogueReading.h"

#include <ostream>

#include "app/Settings.h"
#include "app/messages/MessageCatalogue.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/RegistryAccess.h"
#include "cli/ChosenLanguageRegistry.h"
#include "cli/StreamDialogs.h"
#include "formats/InfoXml.h"
#include "platform/UserLocale.h"

namespace mapsetdesk::cli {
namespace {

// A number field: empty for the listing's broken marks.
nlohmann::json number(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return nullptr;
  return std::stoul(text);
}

}  // namespace

std::optional<std::string> registryBase(Context& context, Registry& registry) {
  Settings settings(registry);
  if (const auto base = registryBaseFor(settings.wow64())) return base;
  const CliTexts& texts = context.texts();
  if (!registry.storeReadable(Root::CurrentUser)) {
    context.err << texts.userRegistryUnreadable << '\n';
    return std::nullopt;
  }
  const bool is64 = windowsIs64Bit();
  settings.storeWow64(is64);
  const auto base = registryBaseFor(settings.wow64());
  if (!base) {
    context.err << texts.settingNotStored << '\n';
    return std::nullopt;
  }
  context.err << (is64 ? texts.wow64Stored64 : texts.wow64Stored32) << '\n';
  return base;
}

std::optional<Catalogues> readCatalogues(Context& context) {
  const auto registry = openRegistry(context);
  const auto base = registryBase(context, *registry);
  if (!base) return std::nullopt;
  const auto facts = openSystemFacts(context.platform);
  MessageCatalogue texts;
  texts.fill(context.sprache);
  StreamDialogs dialogs(context.err);
  Catalogues catalogues;
  catalogues.unreadable = unreadableRegistration(*registry, *base);
  catalogues.registry = TDBlesen(*registry, dialogs, *base, texts.text(key::Fehler25));
  catalogues.packages = GMPFileslisten(gmapFolders(*registry, *facts, *base), dialogs);
  return catalogues;
}

MapsetRecord recordOf(const CatalogueRow& row) {
  const CatalogueEntry& entry = row.entry;
  const bool complete = row.state == EntryState::Complete;
  MapsetRecord record;
  record.kind = "registration";
  record.name = complete ? row.cells.name : std::string();
  record.fid = complete ? row.cells.fid : std::string();
  record.pid = complete ? row.cells.pid : std::string();
  record.root = rootLabel(entry.root);
  record.key = entry.subkeyPath;
  record.tdb = entry.tdb;
  record.overview = entry.overview;
  record.tileFolder = entry.tileFolder;
  record.typ = entry.typ == kNoTypefile ? std::string() : entry.typ;
  record.state = complete ? "ok" : row.cells.name;
  return record;
}

MapsetRecord recordOf(const GmapRow& row) {
  MapsetRecord record;
  record.kind = "gmap";
  record.name = row.name;
  record.fid = row.fid;
  record.pid = row.pid;
  record.tdb = row.tdb;
  record.tileFolder = packageFolder(row);
  record.typ = row.typ;
  record.index = row.index == kNoIndexFile ? std::string() : row.index;
  record.infoXml = row.infoXml;
  record.state = "ok";
  return record;
}

nlohmann::json toJson(const MapsetRecord& record) {
  return {{"kind", record.kind},         {"name", record.name},
          {"fid", number(record.fid)},   {"pid", number(record.pid)},
          {"root", record.root},         {"key", record.key},
          {"tdb", record.tdb},           {"overview", record.overview},
          {"tileFolder", record.tileFolder}, {"typ", record.typ},
          {"index", record.index},       {"infoXml", record.infoXml},
          {"state", record.state}};
}

void printRow(std::ostream& out, const MapsetRecord& record) {
  out << record.kind << '\t' << record.name << '\t' << record.fid << '\t' << record.pid << '\t'
      << record.root << '\t' << record.key << '\t' << record.tdb << '\t' << record.overview
      << '\t' << record.tileFolder << '\t' << record.typ << '\t' << record.index << '\t'
      << record.infoXml << '\t' << record.state << '\n';
}

void printRegistryRow(std::ostream& out, const CatalogueRow& row) { printRow(out, recordOf(row)); }

void printGmapRow(std::ostream& out, const GmapRow& row) { printRow(out, recordOf(row)); }

}  // namespace mapsetdesk::cli
