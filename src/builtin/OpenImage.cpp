#include "builtin/OpenImage.h"

#include "builtin/ReportLines.h"

namespace mapsetdesk::builtin {

ImgFile openImage(const std::string& path, ToolReport& report) {
  ImgFile image = ImgFile::open(path);
  report.line(image.problem() == ImgFileProblem::None
                  ? readLine(path)
                  : cannotReadLine(path, describe(image.problem())));
  return image;
}

}  // namespace mapsetdesk::builtin
