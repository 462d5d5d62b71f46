#include <windows.h>

#include "platform/FolderLink.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {

// The file-system library of this toolchain sees no links on Windows, so the
// attribute is asked for directly; junctions carry it as symbolic links do.
bool isLink(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace mapsetdesk
