#include "platform/FilePath.h"

#include "platform/win/WideText.h"

namespace mapsetdesk {

std::filesystem::path filePath(std::string_view utf8) {
  return std::filesystem::path(wideText(utf8));
}

std::string pathText(const std::filesystem::path& path) { return utf8Text(path.native()); }

}  // namespace mapsetdesk
