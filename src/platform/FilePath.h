#pragma once
// Paths are UTF-8 text inside the program. The file-system library reads a
// plain char string in the system's ANSI code page on Windows, so every path
// crosses into it through here: as UTF-16 on Windows, as the bytes elsewhere.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace mapsetdesk {

std::filesystem::path filePath(std::string_view utf8);
std::string pathText(const std::filesystem::path& path);

// A path as the file choosers give it: absolute, against the current folder
// when given relative, without "." and ".." steps. An empty path stays empty.
inline std::string absolutePathText(std::string_view utf8) {
  if (utf8.empty()) return {};
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(filePath(utf8), error);
  return error ? std::string(utf8) : pathText(absolute.lexically_normal());
}

// Whether a path names an existing folder or file; an empty path names neither.
inline bool isFolder(std::string_view utf8) {
  std::error_code error;
  return !utf8.empty() && std::filesystem::is_directory(filePath(utf8), error);
}

inline bool isFile(std::string_view utf8) {
  std::error_code error;
  return !utf8.empty() && std::filesystem::is_regular_file(filePath(utf8), error);
}

}  // namespace mapsetdesk
