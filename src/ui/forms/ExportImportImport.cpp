#include <filesystem>

#include "app/JournaledRun.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/GmapCatalogue.h"
#include "formats/FileBytes.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "formats/PackageFileName.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/ShellLink.h"
#include "transfer/ImportSource.h"
#include "transfer/PackageName.h"
#include "transfer/RegistrationExport.h"
#include "ui/forms/ExportImport.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void ExportImport::CommandImport_Click() {
  say(texts_.navigate, Icon::Information);
  // A cancelled chooser was the person's own choice: nothing to tell.
  const auto source = services_.dialogs.chooseFolder(texts_.sourceTitle, {});
  if (!source || source->empty()) return;
  importFolder(*source);
}

void ExportImport::importFolder(const std::string& source) {
  importCompleted_ = false;
  switch (importKind(source)) {
    case ImportKind::Registered:
      importCompleted_ = importRegistration(source);
      break;
    case ImportKind::Package:
      importCompleted_ = importPackage(source);
      break;
    case ImportKind::Neither:
      say(texts_.wrongFolder + " : " + source + texts_.notExported, Icon::Exclamation);
      return;
  }
  if (importCompleted_) askForInstaller();
}

// The log is read before anything is copied: a name that could reach outside
// the copied folder stops the import with nothing copied or registered.
bool ExportImport::importRegistration(const std::string& source) {
  const auto destination = services_.dialogs.chooseFolder(texts_.destinationTitle, {});
  if (!destination || destination->empty()) return false;
  const LogNames names = readImportLog(readFileBytes(joinPath(source, kExportLogName)).bytes);
  if (names.refused) {
    say(texts_.nameRefused + *names.refused, Icon::Exclamation);
    return false;
  }
  if (!copyAskingFirst(source, *destination, pathText(filePath(source).filename()),
                       [](JournalEntry&) { return true; }))
    return false;
  const std::string tiles = copiedFolder(source, *destination);
  if (!fillRegistrationWindow(tiles, names)) return false;
  say(texts_.copied);
  FormTDBvorhanden& window = program_.tdbVorhanden;
  window.Commandregistriere_Click();
  fillLists();
  return window.lastActionCompleted();
}

// The destination is made first: a copy into a folder that is not there
// would become that folder instead of a folder inside it. A folder replaced
// goes into the change history with the copy, and so does whatever `then`
// writes after it.
bool ExportImport::copyAskingFirst(const std::string& source, const std::string& destination,
                                   const std::string& mapset,
                                   const std::function<bool(JournalEntry&)>& then) {
  const std::string target = copiedFolder(source, destination);
  if (liesInside(destination, source) || liesInside(target, source)) {
    say(texts_.intoItself + destination, Icon::Exclamation);
    return false;
  }
  std::error_code error;
  const bool replacing = std::filesystem::exists(filePath(target), error);
  if (replacing && !ask(texts_.replaceFolder + target + texts_.replaceQuestion)) return false;
  return journaledRun(services_, session_.texts.sprache().value_or(Sprache::Deutsch), "import",
                      mapset, [&](Services& recorded, JournalEntry& entry) {
                        if (!isFolder(destination) && !entry.keepNewFolder(destination))
                          return false;
                        std::filesystem::create_directories(filePath(destination), error);
                        FolderOps& folders = recorded.folders;
                        if (replacing && (isFolder(target) ? folders.removeFolder(target)
                                                           : folders.removeFile(target))
                                                 .status != RemoveStatus::Removed)
                          return false;
                        return folders.copyFolder(source, destination) && then(entry);
                      });
}

// Every field the log fills must name a file of the copy: the registration
// patches and registers what the fields name.
bool ExportImport::fillRegistrationWindow(const std::string& tiles, const LogNames& names) {
  FormTDBvorhanden& window = program_.tdbVorhanden;
  window.show();
  const auto inCopy = [&tiles](const std::string& name) {
    return name.empty() ? std::string() : joinPath(tiles, name);
  };
  window.TextPfadLoc.setText(tiles);
  window.TextPfadPreview.setText(inCopy(names.overview));
  window.TextPfadTDB.setText(inCopy(names.tdb));
  window.TextPfadTyp.setText(inCopy(names.typ));
  window.TextIndexFile.setText(inCopy(names.index));
  window.TextMdr.setText(inCopy(names.mdr));
  window.TextPfadTrf.setText(inCopy(names.trf));
  if (names.tdb.empty() || names.overview.empty()) {
    say(window.texts().fileMissing);
    return false;
  }
  for (const std::string& name :
       {names.tdb, names.overview, names.typ, names.index, names.mdr, names.trf}) {
    if (name.empty() || isFile(inCopy(name))) continue;
    say(window.texts().fileMissing);
    return false;
  }
  return true;
}

bool ExportImport::importPackage(const std::string& source) {
  const std::string infoXml = joinPath(source, std::string(kInfoXmlName));
  if (!isFile(infoXml)) {
    say("Missing file " + infoXml);
    return false;
  }
  const std::string bytes = readFileBytes(infoXml).bytes;
  const auto name = subProductName(bytes);
  // A package whose Info.xml names files outside itself is never installed.
  if (!name || parseInfoXml(bytes).damaged) {
    say("File " + infoXml + texts_.damaged);
    return false;
  }
  const std::string destination = packageFolderChosen();
  if (!copyAskingFirst(source, destination, *name, [&](JournalEntry& entry) {
        return linkPackageOutsideMapFolders(entry, copiedFolder(source, destination), *name);
      }))
    return false;
  say(session_.texts.text(key::Text2));
  fillLists();
  return true;
}

std::string ExportImport::packageFolderChosen() {
  if (!packageDestination.empty()) return packageDestination;
  const GmapFolders folders = gmapFolders(services_.registry, services_.facts, session_.vReg6432);
  return ask(texts_.allUsers + session_.userName) ? folders.allUsers : folders.user;
}

// Garmin's programs look for packages only in the map folders the folders
// window shows; a package elsewhere is reached through a shortcut in the
// user's map folder.
bool ExportImport::linkPackageOutsideMapFolders(JournalEntry& entry, const std::string& copied,
                                                const std::string& name) {
  const GmapFolders folders = gmapFolders(services_.registry, services_.facts, session_.vReg6432);
  const std::string destination = pathText(filePath(copied).parent_path());
  if (sameFolder(destination, folders.allUsers) || sameFolder(destination, folders.user))
    return true;
  std::error_code ignored;
  std::filesystem::create_directories(filePath(folders.user), ignored);
  const std::string shortcut = packageShortcut(folders.user, fileNameSafe(name));
  if (!entry.keepFile(shortcut)) return false;
  if (!createShortcut(shortcut, copied)) say(texts_.linkRefused + shortcut, Icon::Exclamation);
  return true;
}

void ExportImport::askForInstaller() {
  if (ask(texts_.installer)) showDownloadList();
}

}  // namespace mapsetdesk::ui
