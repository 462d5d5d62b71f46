#include "install/ImgUnpack.h"

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/ShortPath.h"

namespace mapsetdesk {

std::string unpackCommandLine(const std::string& programFolder, const std::string& target,
                              const std::string& img) {
  return "\"" + joinPath(programFolder, "gmt") + "\" -g -o " + shortPath(target) + " " +
         shortPath(img);
}

void unpackImg(ToolRunner& runner, const std::string& programFolder, const std::string& target,
               const std::string& img) {
  std::error_code error;
  std::filesystem::create_directories(filePath(target), error);
  runner.RunAndWait(unpackCommandLine(programFolder, target, img), WindowStyle::Hidden);
}

}  // namespace mapsetdesk
