// The TYP of a gmap package: a copy named after the FID in the package
// folder, named by Info.xml and, where the package has one, Info_v2.xml.
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/messages/MessageKeys.h"
#include "edit/EditMessages.h"
#include "edit/TypAssignment.h"
#include "edit/TypFiles.h"
#include "formats/FileBytes.h"
#include "formats/InfoXmlTyp.h"
#include "formats/TypHeader.h"
#include "catalogue/IdNumber.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

using TextChange = std::function<std::string(std::string_view)>;

// Info.xml is written as a text file: its content ends with a line break.
std::string endingWithLineBreak(std::string text) {
  if (text.empty() || text.back() != '\n') text += "\r\n";
  return text;
}

std::string infoV2Of(const GmapRow& row) { return joinPath(packageFolder(row), "Info_v2.xml"); }

using Writes = std::vector<std::pair<std::string, std::string>>;

// Info.xml, then Info_v2.xml where it exists, each read whole and changed in
// memory; nullopt after telling which file cannot be read.
std::optional<Writes> infoFileWrites(const TypAction& action, const GmapRow& row,
                                     const TextChange& info, const TextChange& infoV2) {
  Writes writes;
  const std::string v2 = infoV2Of(row);
  for (const auto& [path, change] : {std::pair{row.infoXml, info}, std::pair{v2, infoV2}}) {
    if (path == v2 && !isFile(v2)) continue;
    const FileContent content = readFileBytes(path);
    if (content.status != FileStatus::Ok) {
      action.stop(infoXmlFailedText(action.german(), path));
      return std::nullopt;
    }
    writes.emplace_back(path, change(content.bytes));
  }
  return writes;
}

// The writes in order, each file's old state kept first; the change history
// puts every file back after a failed write.
bool applyWrites(TypAction& action, const Writes& writes) {
  for (const auto& [path, bytes] : writes) {
    if (!action.keep(path) || !replaceFile(path, bytes)) return action.failed(path);
    action.wrote(path);
  }
  return true;
}

bool assign(TypAction& action, const GmapRow& row, const std::string& typ) {
  const auto fid = idFromText(row.fid);
  if (!fid) return action.stop(packageFidText(action.german(), row.infoXml));
  const std::string copyName = typCopyName(*fid, TypCopy::GmapPackage);
  const std::string target = joinPath(packageFolder(row), copyName);
  if (sameFile(target, typ)) return action.stop(kTypAlreadyThere, Icon::Information);
  const auto copy = typCopyBytes(typ, *fid);
  if (!copy) return action.notATyp(typ);
  auto writes = infoFileWrites(
      action, row,
      [&](std::string_view xml) { return endingWithLineBreak(infoXmlWithTyp(xml, copyName)); },
      [&](std::string_view xml) { return infoV2WithTyp(xml, copyName); });
  if (!writes) return false;
  writes->insert(writes->begin(), {target, *copy});
  return applyWrites(action, *writes) && action.done(key::Satz22);
}

bool remove(TypAction& action, const GmapRow& row) {
  if (!action.ask(key::Fehler16)) return false;
  const auto writes = infoFileWrites(
      action, row,
      [](std::string_view xml) { return endingWithLineBreak(infoXmlWithoutTyp(xml)); },
      infoV2WithoutTyp);
  return writes && applyWrites(action, *writes) && action.done(key::Satz22);
}

}  // namespace

TypResult assignPackageTyp(const TypSetting& setting, const GmapRow& row,
                           const std::string& typ) {
  TypAction action(setting);
  assign(action, row, typ);
  return action.result();
}

TypResult removePackageTyp(const TypSetting& setting, const GmapRow& row) {
  TypAction action(setting);
  remove(action, row);
  return action.result();
}

}  // namespace mapsetdesk
