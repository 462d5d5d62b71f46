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
bool TypAction::failed(const std::string& path) {
  tell(kCloseMapsourceFirst, Icon::Critical);
  result_.failedWrite = path;
  return false;
}

bool TypAction::done(std::string_view key) {
  setting_.sound.playAsync(joinPath(setting_.programFolder, "Success.wav"));
  tell(text(key));
  result_.done = true;
  return true;
}

void tellTypPutBack(Dialogs& dialogs, bool german, const TypResult& result,
                    ActionOutcome outcome) {
  if (result.failedWrite.empty()) return;
  const std::string text =
      outcome == ActionOutcome::NotPutBack
          ? stoppedHalfWayText(german, result.written)
          : editTexts(german ? Sprache::Deutsch : Sprache::English).undone + result.failedWrite;
  dialogs.message({text, kEditTitle, Buttons::Ok, Icon::Exclamation});
}

}  // namespace mapsetdesk
