#include "platform/ProgramSearch.h"

#include <cstdlib>

#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk {

std::string programOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  const std::string folders = path;
  const std::string file = executableName(name);
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(pathListSeparator(), start);
    if (end == std::string::npos) end = folders.size();
    const std::string folder = folders.substr(start, end - start);
    if (!folder.empty() && isFile(joinPath(folder, file))) return joinPath(folder, file);
    start = end + 1;
  }
  return {};
}

}  // namespace mapsetdesk
