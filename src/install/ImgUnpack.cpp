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

}  // namespace mapsetdesk
