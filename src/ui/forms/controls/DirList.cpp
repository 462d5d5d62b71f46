#include "ui/forms/controls/DirList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"
#include "ui/forms/controls/FilePattern.h"

namespace mapsetdesk::ui {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> subfolders(const fs::path& folder, std::error_code& error) {
  std::vector<fs::path> found;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->is_directory(ignored)) found.push_back(it->path());
  }
  std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
    return lessWithoutCase(pathText(a.filename()), pathText(b.filename()));
  });
  return found;
}

std::string rowName(const fs::path& folder) {
  const std::string name = pathText(folder.filename());
  return name.empty() ? pathText(folder) : name;
}

}  // namespace

bool DirList::setPath(const std::string& folder) {
  std::error_code error;
  fs::path target = fs::absolute(filePath(folder), error);
  if (error) return false;
  target = target.lexically_normal();
  if (target.has_relative_path() && !target.has_filename()) target = target.parent_path();
  const auto children = subfolders(target, error);
  if (error) return false;

  std::vector<fs::path> chain;
  for (fs::path up = target;; up = up.parent_path()) {
    chain.insert(chain.begin(), up);
    if (up == up.parent_path() || !up.has_relative_path()) break;
  }
  std::vector<std::string> rows;
  folders_.clear();
  for (std::size_t depth = 0; depth < chain.size(); ++depth) {
    rows.push_back(std::string(2 * depth, ' ') + rowName(chain[depth]));
    folders_.push_back(pathText(chain[depth]));
  }
  for (const auto& child : children) {
    rows.push_back(std::string(2 * chain.size(), ' ') + rowName(child));
    folders_.push_back(pathText(child));
  }
  setItems(std::move(rows));
  setSelected(static_cast<int>(chain.size()) - 1, true);

  const std::string newPath = pathText(target);
  if (newPath == path_) return true;
  path_ = newPath;
  fire(onChange);
  return true;
}

std::string DirList::folderAt(int row) const {
  if (row < 0 || row >= static_cast<int>(folders_.size())) return {};
  return folders_[row];
}

}  // namespace mapsetdesk::ui
