#include "install/OverviewSourcePatch.h"

#include "formats/FileBytes.h"
#include "platform/FileReplace.h"
#include "platform/TextReplace.h"

namespace mapsetdesk {

std::string patchedOverviewSource(std::string bytes) {
  return replacedEverywhere(replacedEverywhere(bytes, "Label=GMapTool Preview", " "),
                            "Type=0x0b00", "Type=0x6300");
}

bool patchOverviewSourceFile(const std::string& path) {
  const FileContent source = readFileBytes(path);
  if (source.status == FileStatus::Missing) return true;
  if (source.status != FileStatus::Ok) return false;
  return replaceFile(path, patchedOverviewSource(source.bytes));
}

}  // namespace mapsetdesk
