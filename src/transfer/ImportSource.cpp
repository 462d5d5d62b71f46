#include "transfer/ImportSource.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

bool liesInside(const std::string& folder, const std::string& outer) {
  std::error_code error;
  const auto inner = std::filesystem::weakly_canonical(filePath(withoutEndSeparator(folder)), error);
  const auto top = std::filesystem::weakly_canonical(filePath(withoutEndSeparator(outer)), error);
  if (error) return false;
  const auto mismatch = std::mismatch(top.begin(), top.end(), inner.begin(), inner.end());
  return mismatch.first == top.end();
}

bool sameFolder(const std::string& first, const std::string& second) {
  return filePath(withoutEndSeparator(first)).lexically_normal() ==
         filePath(withoutEndSeparator(second)).lexically_normal();
}

}  // namespace mapsetdesk
