#include "edit/MapsetRename.h"

#include "edit/EditMessages.h"
#include "formats/FileBytes.h"
#include "formats/TdbRename.h"
#include "platform/Codec.h"
#include "platform/FileReplace.h"
#include "platform/TextReplace.h"

namespace mapsetdesk {
namespace {

// Info.xml holds UTF-8 or, from older makers, Windows-1252 text.
std::string renamedInfoXml(const std::string& bytes, const std::string& oldName,
                           const std::string& newName) {
  if (isValidUtf8(bytes)) return replacedEverywhere(bytes, oldName, newName);
  return replacedEverywhere(bytes, toAnsi(oldName), toAnsi(newName));
}

void tell(Dialogs& dialogs, const std::string& text, Icon icon = Icon::Exclamation) {
  dialogs.message({text, kEditTitle, Buttons::Ok, icon});
}

}  // namespace

bool renameRegisteredMapset(const RenameSetting& setting, const std::string& tdb,
                            const std::string& newName) {
  switch (TDBNameAendern(tdb, newName, false, setting.dialogs, setting.texts)) {
    case RenameOutcome::Renamed:
      return true;
    case RenameOutcome::ReadFailed:
    case RenameOutcome::BackupFailed:
    case RenameOutcome::WriteFailed:
      tell(setting.dialogs, backupRefusedText(tdb), Icon::Information);
      return false;
    default:
      return false;
  }
}

bool renameGmapProduct(const RenameSetting& setting, const GmapRow& row,
                       const std::string& productName, const std::string& newName) {
  const FileContent info = readFileBytes(row.infoXml);
  const std::string renamed =
      info.status == FileStatus::Ok ? renamedInfoXml(info.bytes, productName, newName) : "";
  if (info.status != FileStatus::Ok || !replaceFile(row.infoXml, renamed)) {
    tell(setting.dialogs, infoXmlFailedText(setting.german, row.infoXml));
    return false;
  }
  if (renameRegisteredMapset(setting, row.tdb, newName)) return true;
  if (renamed != info.bytes)
    tell(setting.dialogs, stoppedHalfWayText(setting.german, {row.infoXml}));
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
