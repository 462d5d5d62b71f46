#include "app/JournaledRun.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/GmapCatalogue.h"
#include "formats/GmapPackage.h"
#include "formats/FileBytes.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"
#include "transfer/PackageName.h"
#include "transfer/RegistrationExport.h"
#include "ui/forms/ExportImport.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

std::string ExportImport::userMapsFolder() {
  return gmapFolders(services_.registry, services_.facts, session_.vReg6432).user;
}

void ExportImport::CommandExport_Click() {
  exportedFolder_.clear();
  showMapsetLists();
  std::error_code ignored;
  std::filesystem::create_directories(filePath(userMapsFolder()), ignored);
  if (ListIMG.listIndex() >= 0) {
    if (const auto row = registrationNow(ListIMG.listIndex())) exportRegistration(*row);
  } else if (Listgmp.listIndex() >= 0) {
    if (const auto row = packageNow(Listgmp.listIndex())) exportPackage(*row);
  } else {
    say(texts_.noSelection, Icon::Information);
    enableButtons(true);
  }
}

namespace {

bool sameRegistration(const CatalogueEntry& a, const CatalogueEntry& b) {
  return a.root == b.root && a.subkeyPath == b.subkeyPath && a.tdb == b.tdb;
}

bool samePackageProduct(const GmapRow& a, const GmapRow& b) {
  return a.infoXml == b.infoXml && a.pid == b.pid && a.tdb == b.tdb;
}

template <typename Row, typename Same>
std::optional<std::size_t> indexOf(const std::vector<Row>& rows, Same same) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (same(rows[i])) return i;
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> ExportImport::registrationNow(int listRow) {
  program_.main.TDBlesen();
  program_.main.GMPFileslisten();
  if (listRow >= static_cast<int>(listedRegistrations_.size())) return stillThere(std::nullopt);
  const CatalogueEntry& listed = listedRegistrations_[static_cast<std::size_t>(listRow)];
  return stillThere(indexOf(program_.main.registryCatalogue().rows, [&](const CatalogueRow& row) {
    return sameRegistration(row.entry, listed);
  }));
}

std::optional<std::size_t> ExportImport::packageNow(int listRow) {
  program_.main.TDBlesen();
  program_.main.GMPFileslisten();
  if (listRow >= static_cast<int>(listedPackages_.size())) return stillThere(std::nullopt);
  const GmapRow& listed = listedPackages_[static_cast<std::size_t>(listRow)];
  return stillThere(indexOf(program_.main.gmapCatalogue().rows,
                            [&](const GmapRow& row) { return samePackageProduct(row, listed); }));
}

std::optional<std::size_t> ExportImport::stillThere(std::optional<std::size_t> row) {
  if (row) return row;
  say(texts_.mapsetGone, Icon::Exclamation);
  showMainLists();
  return std::nullopt;
}

// A row the listing marks with "!" names files that are not there.
bool ExportImport::isMarkedBroken(std::size_t row) {
  if (!program_.main.registryCatalogue().rows.at(row).cells.name.starts_with("!")) return false;
  say("Map " + texts_.wrongFolder);
  return true;
}

void ExportImport::exportRegistration(std::size_t row) {
  if (isMarkedBroken(row)) return;
  const CatalogueEntry& entry = program_.main.registryCatalogue().rows.at(row).entry;
  const std::string tiles = entry.tileFolder;
  const ExportDone done = mapsetdesk::exportRegistration(
      registrationFiles(services_.registry, session_.vReg6432, entry), tiles);
  switch (done.outcome) {
    case ExportOutcome::NoTileFolder:
      say(texts_.noTileFolder + entry.subkeyPath, Icon::Exclamation);
      return;
    case ExportOutcome::CopyFailed:
      say(texts_.copyRefused + done.file + "\n" + done.error, Icon::Exclamation);
      return;
    case ExportOutcome::LogNotWritten:
      say(texts_.logNotWritten + done.file, Icon::Exclamation);
      return;
    case ExportOutcome::Exported:
      break;
  }
  exportedFolder_ = tiles;
  say(texts_.copyHint1 + tiles + texts_.copyHint2, Icon::Information);
}

void ExportImport::exportPackage(std::size_t row) {
  const std::string infoXml = program_.main.gmapCatalogue().rows.at(row).infoXml;
  const FileContent content = readFileBytes(infoXml);
  const auto name = content.status == FileStatus::Ok ? subProductName(content.bytes)
                                                      : std::nullopt;
  if (!name) {
    say("File " + infoXml + texts_.damagedPackage);
    return;
  }
  if (!ask(*name + kExportQuestion)) return;
  const std::string folder = pathText(filePath(infoXml).parent_path());
  exportedFolder_ = folder;
  say(texts_.copyHint1 + folder + texts_.copyHint2, Icon::Information);
}

void ExportImport::CommandGmap_Click() {
  converted_.reset();
  if (ListIMG.listIndex() < 0) {
    say(texts_.noSelection, Icon::Information);
    return;
  }
  const auto row = registrationNow(ListIMG.listIndex());
  if (!row || isMarkedBroken(*row)) return;
  const CatalogueEntry entry = program_.main.registryCatalogue().rows.at(*row).entry;
  const ExistingMapset mapset = registeredMapset(services_.registry, session_.vReg6432, entry);
  setMousePointer(MousePointer::Hourglass);
  const std::string maps =
      gmapFolders(services_.registry, services_.facts, session_.vReg6432).allUsers;
  const PackageRun run{services_.runner, services_.programFolder, maps,
                       [this](const std::string& line) { program_.main.TextMeldung.setText(line); },
                       services_.letEventsRun};
  PackageBuilt built;
  const bool kept = journaledRun(
      services_, session_.texts.sprache().value_or(Sprache::Deutsch), "convert", mapset.name,
      [&](Services&, JournalEntry& history) {
        // A package of that name is refused below, untouched.
        const std::string folder = existingPackageFolder(maps, mapset.name);
        if (!isFolderAnyCase(folder) && !history.keepNewFolder(folder)) return false;
        built = gmapTDBvorhandenErzeugen(mapset, run);
        return built.complete();
      });
  setMousePointer(MousePointer::Default);
  if (!built.complete()) {
    say(packageFailureText(built, session_.texts), Icon::Exclamation);
  } else if (kept) {
    converted_ = built;
    say(texts_.gmapMade + built.folder, Icon::Information);
  }
  fillLists();
}

}  // namespace mapsetdesk::ui
