#include "edit/MapsetRename.h"

#include "app/messages/EditTexts.h"
#include "app/messages/MessageKeys.h"
#include "edit/EditMessages.h"
#include "formats/FileBytes.h"
#include "formats/InfoXmlName.h"
#include "formats/TdbRename.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {
namespace {

void tell(Dialogs& dialogs, const std::string& text, Icon icon = Icon::Exclamation) {
  dialogs.message({text, kEditTitle, Buttons::Ok, icon});
}

bool german(const RenameSetting& setting) {
  return setting.texts.sprache() != Sprache::English;
}

// A TDB without a name shows as a blank row that no one can pick again.
bool nameGiven(const RenameSetting& setting, const std::string& newName) {
  if (newName.find_first_not_of(' ') != std::string::npos) return true;
  tell(setting.dialogs, setting.texts.text(key::Fehler18));
  return false;
}

bool reportTdbFailure(const RenameSetting& setting, const std::string& tdb,
                      RenameOutcome outcome) {
  if (outcome == RenameOutcome::ReadFailed || outcome == RenameOutcome::BackupFailed ||
      outcome == RenameOutcome::WriteFailed)
    tell(setting.dialogs, backupRefusedText(tdb), Icon::Information);
  return false;
}

}  // namespace

bool renameRegisteredMapset(const RenameSetting& setting, const std::string& tdb,
                            const std::string& newName) {
  if (!nameGiven(setting, newName)) return false;
  const RenameOutcome outcome =
      TDBNameAendern(tdb, newName, false, setting.dialogs, setting.texts.tdb());
  return outcome == RenameOutcome::Renamed || reportTdbFailure(setting, tdb, outcome);
}

bool renameGmapProduct(const RenameSetting& setting, const GmapRow& row,
                       const std::string& productName, const std::string& newName) {
  if (!nameGiven(setting, newName)) return false;
  const FileContent info = readFileBytes(row.infoXml);
  const auto renamed = info.status == FileStatus::Ok
                           ? infoXmlWithProductName(info.bytes, row.pid, productName, newName)
                           : std::nullopt;
  if (!renamed) {
    tell(setting.dialogs, infoXmlFailedText(german(setting), row.infoXml));
    return false;
  }
  const TdbTexts& texts = setting.texts.tdb();
  const PreparedTdbRename tdb = prepareTdbRename(row.tdb, newName, setting.dialogs, texts);
  if (tdb.outcome != RenameOutcome::Renamed) return reportTdbFailure(setting, row.tdb, tdb.outcome);
  if (!replaceFile(row.infoXml, *renamed)) {
    tell(setting.dialogs, infoXmlFailedText(german(setting), row.infoXml));
    return false;
  }
  const RenameOutcome written = writeTdbRename(row.tdb, tdb, false, setting.dialogs, texts);
  if (written == RenameOutcome::Renamed) return true;
  const EditTexts edit = editTexts(german(setting) ? Sprache::Deutsch : Sprache::English);
  if (replaceFile(row.infoXml, info.bytes))
    tell(setting.dialogs, edit.undone + row.tdb);
  else
    tell(setting.dialogs, stoppedHalfWayText(german(setting), {row.infoXml}));
  return false;
}

std::string gmapEntryName(std::string_view entry) {
  const std::size_t start = entry.find("; ");
  if (start == std::string_view::npos) return {};
  const std::size_t end = entry.find("; FID", start + 2);
  if (end == std::string_view::npos) return {};
  return std::string(entry.substr(start + 2, end - start - 2));
}

NameCheck cutAtSpecialCharacter(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i)
    if (static_cast<unsigned char>(name[i]) > 127) return {std::string(name.substr(0, i)), true};
  return {std::string(name), false};
}

std::string withoutLeadingBlanks(std::string_view name) {
  const std::size_t first = name.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(name.substr(first));
}

}  // namespace mapsetdesk
