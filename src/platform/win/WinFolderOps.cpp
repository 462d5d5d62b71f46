#include <windows.h>
#include <shellapi.h>

#include "platform/FolderOps.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

// The shell takes lists of paths, each ended by a NUL, the list by another.
std::wstring pathList(const std::string& path) { return wideText(path) + L'\0'; }

}  // namespace

std::string lastFolderName(const std::string& path) {
  std::string name(1, '\\');
  return name.append(path, path.find_last_of('\\') + 1);
}

std::optional<std::string> shellCopyFolder(const std::string& source,
                                           const std::string& destination) {
  const std::wstring from = pathList(source);
  const std::wstring to = pathList(destination);
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  const int result = SHFileOperationW(&operation);
  if (result != 0) return std::system_category().message(result);
  if (operation.fAnyOperationsAborted) return std::string("The copy was cancelled.");
  return std::nullopt;
}

bool isAccessDenied(const std::error_code& error) {
  if (error.category() == std::system_category()) {
    switch (error.value()) {
      case ERROR_ACCESS_DENIED:
      case ERROR_SHARING_VIOLATION:
      case ERROR_LOCK_VIOLATION:
        return true;
    }
  }
  return error == std::errc::permission_denied;
}

}  // namespace mapsetdesk
