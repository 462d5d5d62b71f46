#include "edit/TypFiles.h"

#include <algorithm>
#include <filesystem>

#include "edit/EditMessages.h"
#include "formats/FileBytes.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"

namespace mapsetdesk {

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(filePath(a), filePath(b), error) && !error;
}

std::vector<std::string> unusableTypNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(filePath(folder), error), end;
       !error && entry != end; entry.increment(error)) {
    if (!entry->is_regular_file(error)) continue;
    const std::string name = pathText(entry->path().filename());
    if (name.size() < 4 || !sameNameAnyCase(name.substr(name.size() - 4), ".typ")) continue;
    if (!isPickableTypName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool keepAsBak(const std::string& path) {
  std::error_code error;
  const std::filesystem::path bak = filePath(path + ".bak");
  std::filesystem::remove(bak, error);
  std::filesystem::rename(filePath(path), bak, error);
  return !error;
}

std::optional<std::string> typCopyBytes(const std::string& typ, std::uint16_t fid) {
  FileContent content = readFileBytes(typ);
  if (content.status != FileStatus::Ok) return std::nullopt;
  return typWithFid(std::move(content.bytes), fid);
}

bool TypAction::german() const { return setting_.texts.sprache() != Sprache::English; }

void TypAction::tell(const std::string& text, Icon icon) const {
  setting_.dialogs.message({text, kEditTitle, Buttons::Ok, icon});
}

bool TypAction::ask(std::string_view key) const {
  return setting_.dialogs.message({text(key), kEditTitle, Buttons::YesNo, Icon::None}) ==
         Answer::Yes;
}

bool TypAction::stop(const std::string& text, Icon icon) const {
  tell(text, icon);
  return false;
}

bool TypAction::notATyp(const std::string& typ) const {
  tell(edit_.notATyp + typ, Icon::Exclamation);
  return false;
}

// The usual cause of a failed write is a running MapSource holding the file.
bool TypAction::undo(const FileUndo& undo, const std::string& path) const {
  tell(kCloseMapsourceFirst, Icon::Critical);
  const std::vector<std::string> notBack = undo.restore();
  if (notBack.empty())
    tell(edit_.undone + path, Icon::Exclamation);
  else
    tell(stoppedHalfWayText(german(), notBack), Icon::Exclamation);
  return false;
}

bool TypAction::done(std::string_view key) const {
  setting_.sound.playAsync(joinPath(setting_.programFolder, "Success.wav"));
  tell(text(key));
  return true;
}

}  // namespace mapsetdesk
