#pragma once
// A folder list: the chain of folders from the root down to the current
// folder, each indented one step more, then the current folder's subfolders.
// Opening a row makes its folder the current one; a change of the current
// folder, from code or by the person, raises Change.
#include <string>
#include <vector>

#include "ui/forms/controls/ListBox.h"

namespace mapsetdesk::ui {

class DirList : public ListBox {
 public:
  DirList(Form& form, std::string name) : ListBox(form, std::move(name), ControlKind::DirList) {}

  // Empty until a folder was set.
  const std::string& path() const { return path_; }
  // False, changing nothing, when the folder cannot be listed.
  bool setPath(const std::string& folder);
  // The full path of a row; empty for a row that does not exist.
  std::string folderAt(int row) const;
  bool open(int row) { return setPath(folderAt(row)); }

  Handler onChange;

 private:
  std::string path_;
  std::vector<std::string> folders_;  // row by row
};

}  // namespace mapsetdesk::ui
