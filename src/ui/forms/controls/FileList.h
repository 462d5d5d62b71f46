#pragma once
// A file list: the files of one folder whose names match the pattern, in
// name order without regard to case.
#include <string>

#include "ui/forms/controls/ListBox.h"

namespace mapsetdesk::ui {

class FileList : public ListBox {
 public:
  FileList(Form& form, std::string name) : ListBox(form, std::move(name), ControlKind::FileList) {}

  const std::string& path() const { return path_; }
  // False, changing nothing, when the folder cannot be listed.
  bool setPath(const std::string& folder);
  const std::string& pattern() const { return pattern_; }
  void setPattern(std::string pattern);
  // Lists the folder again: files come and go.
  void refresh();
  // The chosen file's name; empty when none is chosen.
  std::string fileName() const { return item(listIndex()); }

 private:
  bool list(const std::string& folder);

  std::string path_;
  std::string pattern_ = "*.*";
};

}  // namespace mapsetdesk::ui
