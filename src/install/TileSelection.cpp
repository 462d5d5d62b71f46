#include "install/TileSelection.h"

#include <cctype>

#include "install/TileFiles.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

bool sameWithoutCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string withoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

}  // namespace

std::string folderOf(const std::string& path) {
  return joinPath(pathText(filePath(path).parent_path()), "");
}

void TileSelection::clear() {
  entries_.clear();
  chosen_.clear();
  vgmapsupp_ = false;
}

bool TileSelection::firstIsDeviceImage() const {
  return !entries_.empty() && isDeviceImage(entries_.front());
}

bool TileSelection::append(const std::string& path) {
  if (!chosen_.insert(path).second) return false;
  entries_.push_back(path);
  return true;
}

void TileSelection::holdDeviceImage(const std::string& path) {
  clear();
  append(path);
  vgmapsupp_ = true;
}

void TileSelection::takeFolderOfFirst() {
  if (!entries_.empty()) pfad_ = folderOf(entries_.front());
}

SelectionStep TileSelection::addFromFolder(const std::string& folder, const std::string& fileName) {
  if (firstIsDeviceImage()) {
    vgmapsupp_ = true;
    return {SelectionNote::DeviceImageHeld, false, false};
  }
  const std::string path = joinPath(folder, fileName);
  pfad_ = joinPath(folder, "");
  if (isTileFile(path)) {
    const bool added = append(path);
    return {added ? SelectionNote::None : SelectionNote::Duplicate, added, true};
  }
  if (isDeviceImage(path)) {
    if (hasDotInFolders(path)) return {SelectionNote::DotInFolders, false, false};
    holdDeviceImage(path);
    return {SelectionNote::None, true, true};
  }
  return {SelectionNote::WrongName, false, false};
}

SelectionStep TileSelection::drop(const std::vector<std::string>& files,
                                  const std::string& tileFolder,
                                  const std::string& programFolder) {
  if (firstIsDeviceImage()) return {SelectionNote::DeviceImageHeld, false, false};
  if (sameWithoutCase(withoutTrailingSeparator(programFolder),
                      withoutTrailingSeparator(tileFolder)))
    return {SelectionNote::ProgramFolder, false, false};
  SelectionStep step;
  for (const std::string& path : files) {
    if (chosen_.count(path) != 0) continue;
    if (isTileFile(path)) {
      step.added = append(path) || step.added;
    } else if (isDeviceImage(path)) {
      if (hasDotInFolders(path)) return {SelectionNote::DotInFolders, step.added, false};
      holdDeviceImage(path);
      step.added = true;
      break;  // the image is the whole selection
    }
  }
  takeFolderOfFirst();
  step.handled = true;
  return step;
}

void TileSelection::removeAt(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  chosen_.erase(entries_[static_cast<std::size_t>(row)]);
  entries_.erase(entries_.begin() + row);
  if (entries_.empty()) vgmapsupp_ = false;
}

}  // namespace mapsetdesk
