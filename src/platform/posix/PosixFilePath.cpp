#include "platform/FilePath.h"

namespace mapsetdesk {

std::filesystem::path filePath(std::string_view utf8) { return std::filesystem::path(utf8); }

std::string pathText(const std::filesystem::path& path) { return path.string(); }

}  // namespace mapsetdesk
