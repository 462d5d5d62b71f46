#include "ui/forms/controls/FileList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/FilePath.h"
#include "ui/forms/controls/FilePattern.h"

namespace mapsetdesk::ui {

bool FileList::setPath(const std::string& folder) {
  if (!list(folder)) return false;
  path_ = folder;
  return true;
}

void FileList::setPattern(std::string pattern) {
  pattern_ = std::move(pattern);
  refresh();
}

void FileList::refresh() {
  if (!path_.empty()) list(path_);
}

bool FileList::list(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::vector<std::string> names;
  for (fs::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    std::string name = pathText(it->path().filename());
    if (matchesPattern(name, pattern_)) names.push_back(std::move(name));
  }
  if (error) return false;
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lessWithoutCase(a, b); });
  setItems(std::move(names));
  return true;
}

}  // namespace mapsetdesk::ui
