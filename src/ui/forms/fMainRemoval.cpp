// The main window's removals: a double-click on a registered mapset in the
// removal list, or on a gmap package while the gmap list is in its removal
// mode. The lists are read afresh afterwards, so the row is gone.
// Each removal goes into the change journal: the keys as they were, the
// files and the package folder moved into the entry, so it can be undone.
#include <filesystem>
#include <system_error>

#include "app/Settings.h"
#include "app/messages/HistoryTexts.h"
#include "app/messages/MessageKeys.h"
#include "cache/FolderSize.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/MapsetRemoval.h"
#include "platform/FilePath.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {
namespace {

// What a removal moves into the history; a file that is not there, nothing.
std::uint64_t fileBytes(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(filePath(path), error);
  return error ? 0 : size;
}

}  // namespace

bool fMain::germanTexts() const { return session_.texts.sprache() != Sprache::English; }

// A removal goes into the change history. One larger than the history may
// hold would be dropped from it at the next start, so it is made only when
// the person agrees to do without its undo, and then deletes for good.
// nullopt when the person keeps the mapset; else whether the history keeps
// the removal.
std::optional<bool> fMain::historyTakes(std::uint64_t bytes) {
  const std::uintmax_t limit = Settings(services_.registry).history().megabytes;
  if (bytes <= limit * 1024 * 1024) return true;
  const HistoryTexts texts = historyTexts(germanTexts() ? Sprache::Deutsch : Sprache::English);
  if (services_.dialogs.message({texts.tooLarge + std::to_string(limit) + texts.tooLargeEnd,
                                 kCatalogueTitle, Buttons::YesNo, Icon::Exclamation}) !=
      Answer::Yes)
    return std::nullopt;
  return false;
}

// False when the removal did not start.
bool fMain::removeKeeping(const std::string& mapset, bool journaled,
                          const std::function<bool(Registry&, FolderOps&)>& removal) {
  if (!journaled) {
    removal(services_.registry, services_.folders);
    return true;
  }
  bool started = false;
  journaledEdit(services_, germanTexts(), "remove", mapset, {}, [&](Recorded& recorded) {
    started = true;
    return removal(recorded.registry, recorded.folders);
  });
  return started;
}

// The question is asked only about a row that exists, and its title names
// the mapset, since the question's text does not.
void fMain::ListLoeschen_DblClick() {
  const int row = ListLoeschen.listIndex();
  if (row < 0 || row >= static_cast<int>(catalogue_.rows.size())) return;
  Dialogs& dialogs = services_.dialogs;
  const auto index = static_cast<std::size_t>(row);
  const CatalogueEntry& entry = catalogue_.rows[index].entry;
  const auto journaled = historyTakes(fileBytes(entry.tdb) + fileBytes(entry.overview));
  if (!journaled || dialogs.message({session_.texts.text(key::Satz21),
                                     removalTitle(ListLoeschen.item(row)), Buttons::OkCancel,
                                     Icon::None}) != Answer::Ok)
    return;
  RegistrationRemoval removal;
  if (!removeKeeping(catalogue_.rows[index].cells.name, *journaled,
                     [&](Registry& registry, FolderOps& folders) {
                       removal = removeRegistration(registry, folders, session_.vReg6432,
                                                    catalogue_, index, packages_);
                       return true;
                     }))
    return;
  session_.vRegistryKey.clear();
  TDBlesen();
  CommandFilename.enabled = true;
  ListLoeschen.enabled = true;
  if (removal.keyKept) {
    dialogs.message(
        {registrationKeptText(germanTexts()), kCatalogueTitle, Buttons::Ok, Icon::Exclamation});
  }
  if (removal.denied)
    dialogs.message({kRemovalDenied, kCatalogueTitle, Buttons::Ok, Icon::None, true});
  for (const KeptFile& kept : removal.kept) {
    dialogs.message({fileKeptText(germanTexts(), kept.file, kept.user), kCatalogueTitle,
                     Buttons::Ok, Icon::Information});
  }
}

// The row that tells of missing map folders names no package: nothing to ask.
void fMain::removeGmapPackage() {
  const int row = ListMapsetGMP.listIndex();
  if (row < 0 || row >= static_cast<int>(packages_.rows.size())) return;
  Dialogs& dialogs = services_.dialogs;
  const GmapRow& package = packages_.rows[static_cast<std::size_t>(row)];
  const auto journaled = historyTakes(folderBytes(packageFolder(package)).value_or(0));
  if (!journaled ||
      dialogs.message({session_.texts.text(key::Satz21), removalTitle(ListMapsetGMP.item(row)),
                       Buttons::YesNo, Icon::None}) != Answer::Yes)
    return;
  const GmapFolders mapFolders =
      gmapFolders(services_.registry, services_.facts, session_.vReg6432);
  PackageRemoval removal;
  if (!removeKeeping(package.display, *journaled,
                     [&](Registry&, FolderOps& folders) {
                       removal = removePackage(folders, mapFolders, package.infoXml);
                       return removal.status != PackageRemovalStatus::Failed;
                     }))
    return;
  GMPFileslisten();
  if (removal.status == PackageRemovalStatus::Refused) {
    dialogs.message({packageRefusedText(germanTexts(), removal.folder), kCatalogueTitle,
                     Buttons::Ok, Icon::Exclamation});
  } else if (removal.status == PackageRemovalStatus::Failed) {
    dialogs.message({removal.error, kCatalogueTitle, Buttons::Ok, Icon::None});
  }
}

}  // namespace mapsetdesk::ui
