#include "platform/FoundPath.h"

#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool sameNameAnyCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::string foundPath(const std::string& path) {
  std::error_code error;
  const fs::path wanted = filePath(path);
  if (path.empty() || fs::exists(wanted, error)) return path;
  const std::string name = pathText(wanted.filename());
  if (name.empty()) return path;
  const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (sameNameAnyCase(pathText(it->path().filename()), name))
      return pathText(wanted.has_parent_path() ? it->path() : it->path().filename());
  }
  return path;
}

bool isFileAnyCase(const std::string& path) { return isFile(foundPath(path)); }

bool isFolderAnyCase(const std::string& path) { return isFolder(foundPath(path)); }

bool samePathAnyCase(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  return sameNameAnyCase(pathText(filePath(a).lexically_normal()),
                          pathText(filePath(b).lexically_normal()));
}

}  // namespace mapsetdesk
