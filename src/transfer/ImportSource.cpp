#include "transfer/ImportSource.h"

#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "transfer/RegistrationExport.h"

namespace mapsetdesk {

std::string withoutEndSeparator(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

ImportKind importKind(const std::string& source) {
  if (isFile(joinPath(source, kExportLogName))) return ImportKind::Registered;
  if (withoutEndSeparator(source).ends_with("gmap")) return ImportKind::Package;
  return ImportKind::Neither;
}

std::string copiedFolder(const std::string& source, const std::string& destination) {
  return joinPath(destination, pathText(filePath(withoutEndSeparator(source)).filename()));
}

std::string packageShortcut(const std::string& mapsFolder, const std::string& packageName) {
  return joinPath(mapsFolder, "Link_" + packageName + ".lnk");
}

bool sameFolder(const std::string& first, const std::string& second) {
  return filePath(withoutEndSeparator(first)).lexically_normal() ==
         filePath(withoutEndSeparator(second)).lexically_normal();
}

}  // namespace mapsetdesk
