// The TYP of a gmap package: a copy named after the FID in the package
// folder, named by Info.xml and, where the package has one, Info_v2.xml.
#include <functional>

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

bool rewrite(const std::string& path, const TextChange& change) {
  const FileContent content = readFileBytes(path);
  return content.status == FileStatus::Ok && replaceFile(path, change(content.bytes));
}

std::string infoV2Of(const GmapRow& row) { return joinPath(packageFolder(row), "Info_v2.xml"); }

// Info.xml, then Info_v2.xml where it exists; false after telling which
// file failed.
bool rewriteInfoFiles(TypAction& action, const GmapRow& row, const TextChange& info,
                      const TextChange& infoV2) {
  if (!rewrite(row.infoXml, [&](std::string_view xml) { return endingWithLineBreak(info(xml)); }))
    return action.stop(infoXmlFailedText(action.german(), row.infoXml));
  action.changed(row.infoXml);
  const std::string v2 = infoV2Of(row);
  if (isFile(v2) && !rewrite(v2, infoV2))
    return action.stop(infoXmlFailedText(action.german(), v2));
  return true;
}

}  // namespace

bool assignPackageTyp(const TypSetting& setting, const GmapRow& row, const std::string& typ) {
  TypAction action(setting);
  const auto fid = idFromText(row.fid);
  if (!fid) return action.stop(packageFidText(action.german(), row.infoXml));
  const std::string copyName = typCopyName(*fid, TypCopy::GmapPackage);
  const std::string target = joinPath(packageFolder(row), copyName);
  if (sameFile(target, typ)) return action.stop(kTypAlreadyThere, Icon::Information);
  if (copyTypWithFid(typ, target, *fid) != FileStatus::Ok)
    return action.stop(typNotCopiedText(action.german(), target));
  action.changed(target);
  const bool written = rewriteInfoFiles(
      action, row, [&](std::string_view xml) { return infoXmlWithTyp(xml, copyName); },
      [&](std::string_view xml) { return infoV2WithTyp(xml, copyName); });
  return written && action.done(key::Satz22);
}

bool removePackageTyp(const TypSetting& setting, const GmapRow& row) {
  TypAction action(setting);
  if (!action.ask(key::Fehler16)) return false;
  const bool written = rewriteInfoFiles(action, row, infoXmlWithoutTyp, infoV2WithoutTyp);
  return written && action.done(key::Satz22);
}

}  // namespace mapsetdesk
