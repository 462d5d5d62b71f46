#include "builtin/UnpackImage.h"

#include "builtin/OpenImage.h"
#include "builtin/OutputFiles.h"

namespace mapsetdesk::builtin {

bool unpackImage(const GmtCommand& command, ToolReport& report) {
  ImgFile image = openImage(command.image, report);
  if (image.problem() != ImgFileProblem::None) return false;
  OutputFiles output(command.folder, report, command.image);
  if (!output.prepareFolder()) return false;
  for (const ImgEntry& entry : image.directory().entries)
    output.write(entry.fileName(), [&](std::ostream& out) { return image.copyTo(entry, out); });
  return output.complete();
}

}  // namespace mapsetdesk::builtin
