#pragma once
// The selection of a new installation: the tiles chosen, in the order chosen,
// or one device image. The rules decide what enters it; the window shows the
// entries (or the placeholder while there are none) and tells the person
// what a refusal means. Entries are looked up in a set, so a selection of
// thousands of tiles grows without scanning itself per file.
#include <string>
#include <unordered_set>
#include <vector>

namespace mapsetdesk {

enum class SelectionNote {
  None,
  Duplicate,       // the file is in the selection already
  WrongName,       // neither a tile nor a device image
  DotInFolders,    // a device image below a folder whose name holds a dot
  ProgramFolder,   // dropped while the tile folder is the program's own folder
  DeviceImageHeld, // a device image is chosen: nothing more enters
};

struct SelectionStep {
  SelectionNote note = SelectionNote::None;
  bool added = false;
  // The rule counts the file as handled, which makes the selection finishable.
  bool handled = false;
};

class TileSelection {
 public:
  const std::vector<std::string>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }
  // `vgmapsupp`: the selection is one device image.
  bool vgmapsupp() const { return vgmapsupp_; }
  // `pfad`: the folder of the selection, ending with a separator.
  const std::string& pfad() const { return pfad_; }

  void clear();

  // A double-click on fileName in folder.
  SelectionStep addFromFolder(const std::string& folder, const std::string& fileName);

  // Files dropped from the desktop while tileFolder is shown; programFolder
  // is the program's own folder, which may not hold the tiles.
  SelectionStep drop(const std::vector<std::string>& files, const std::string& tileFolder,
                     const std::string& programFolder);

  // A click on an entry removes it.
  void removeAt(int row);

 private:
  bool firstIsDeviceImage() const;
  bool append(const std::string& path);
  void holdDeviceImage(const std::string& path);
  void takeFolderOfFirst();

  std::vector<std::string> entries_;
  std::unordered_set<std::string> chosen_;
  bool vgmapsupp_ = false;
  std::string pfad_;
};

// The folder a path lies in, ending with the system's separator.
std::string folderOf(const std::string& path);

}  // namespace mapsetdesk
