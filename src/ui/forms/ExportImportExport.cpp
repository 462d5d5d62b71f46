#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/GmapCatalogue.h"
#include "formats/GmapPackage.h"
#include "formats/FileBytes.h"
#include "platform/FilePath.h"
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
    exportRegistration(ListIMG.listIndex());
  } else if (Listgmp.listIndex() >= 0) {
    exportPackage(Listgmp.listIndex());
  } else {
    say(texts_.noSelection, Icon::Information);
    enableButtons(true);
  }
}

// A row the listing marks with "!" names files that are not there.
bool ExportImport::isMarkedBroken(int row) {
  if (!program_.main.ListLoeschen.item(row).starts_with("!")) return false;
  say("Map " + texts_.wrongFolder);
  return true;
}

void ExportImport::exportRegistration(int row) {
  if (isMarkedBroken(row)) return;
  const std::string tiles = program_.main.ListLoc.item(row);
  const CatalogueEntry& entry = program_.main.registryCatalogue().rows.at(row).entry;
  const ExportDone done = mapsetdesk::exportRegistration(
      registrationFiles(services_.registry, session_.vReg6432, entry), tiles);
  switch (done.outcome) {
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

void ExportImport::exportPackage(int row) {
  const std::string infoXml = program_.main.ListXMLPfad.item(row);
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
  const int row = ListIMG.listIndex();
  if (row < 0) {
    say(texts_.noSelection, Icon::Information);
    return;
  }
  if (isMarkedBroken(row)) return;
  const CatalogueEntry& entry = program_.main.registryCatalogue().rows.at(row).entry;
  const ExistingMapset mapset = registeredMapset(services_.registry, session_.vReg6432, entry);
  setMousePointer(MousePointer::Hourglass);
  const PackageRun run{services_.runner, services_.programFolder,
                       gmapFolders(services_.registry, services_.facts, session_.vReg6432).allUsers,
                       [this](const std::string& line) { program_.main.TextMeldung.setText(line); },
                       services_.letEventsRun};
  const PackageBuilt built = gmapTDBvorhandenErzeugen(mapset, run);
  setMousePointer(MousePointer::Default);
  if (!built.complete()) {
    say(packageFailureText(built, session_.texts), Icon::Exclamation);
  } else {
    converted_ = built;
    say(texts_.gmapMade + built.folder, Icon::Information);
  }
  fillLists();
}

}  // namespace mapsetdesk::ui
