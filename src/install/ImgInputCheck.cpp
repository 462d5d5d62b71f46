#include "install/ImgInputCheck.h"

#include <filesystem>

#include "formats/ImgFile.h"
#include "platform/FilePath.h"

namespace mapsetdesk {

std::optional<InputFault> imgFileFault(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(filePath(path), error);
  if (!fs::exists(status)) return InputFault::Missing;
  if (!fs::is_regular_file(status)) return InputFault::NotAFile;
  if (fs::file_size(filePath(path), error) == 0 && !error) return InputFault::Empty;
  if (ImgFile::open(path).problem() != ImgFileProblem::None) return InputFault::NotImg;
  return std::nullopt;
}

}  // namespace mapsetdesk
