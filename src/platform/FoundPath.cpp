#include "platform/FoundPath.h"

#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string folded(std::string name) {
  for (char& c : name) c = lower(c);
  return name;
}

}  // namespace

bool sameNameAnyCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::string foundPath(const std::string& path) { return FoundPaths().found(path); }

std::string FoundPaths::found(const std::string& path) {
  std::error_code error;
  const fs::path wanted = filePath(path);
  if (path.empty() || fs::exists(wanted, error)) return path;
  const std::string name = pathText(wanted.filename());
  if (name.empty()) return path;
  const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
  const Listing& names = listing(pathText(folder));
  const auto entry = names.find(folded(name));
  if (entry == names.end()) return path;
  return wanted.has_parent_path() ? pathText(folder / filePath(entry->second)) : entry->second;
}

const FoundPaths::Listing& FoundPaths::listing(const std::string& folder) {
  const auto [slot, isNew] = listings_.try_emplace(folder);
  if (!isNew) return slot->second;
  std::error_code error;
  for (fs::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = pathText(it->path().filename());
    slot->second.try_emplace(folded(name), name);
  }
  return slot->second;
}

bool isFileAnyCase(const std::string& path) { return isFile(foundPath(path)); }

bool isFolderAnyCase(const std::string& path) { return isFolder(foundPath(path)); }

bool samePathAnyCase(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  return sameNameAnyCase(pathText(filePath(a).lexically_normal()),
                          pathText(filePath(b).lexically_normal()));
}

}  // namespace mapsetdesk
