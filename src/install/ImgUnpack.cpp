#include "install/ImgUnpack.h"

#include <filesystem>

#include "install/ToolCommandLines.h"
#include "platform/FilePath.h"

namespace mapsetdesk {

void unpackImg(ToolRunner& runner, const std::string& programFolder, const std::string& target,
               const std::string& img) {
  std::error_code error;
  std::filesystem::create_directories(filePath(target), error);
  runner.RunAndWait(gmtUnpackCommandLine(programFolder, target, img), WindowStyle::Hidden);
}

bool holdsFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored)) return true;
  }
  return false;
}

}  // namespace mapsetdesk
