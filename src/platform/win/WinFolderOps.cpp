#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/FolderOps.h"
#include "platform/win/ShellCopyErrors.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

// The shell documents relative paths as unsafe for its operations, so each
// is made absolute against this process's current folder first.
std::wstring absolutePath(const std::string& path) {
  const std::wstring given = wideText(path);
  const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (size == 0) return given;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(given.c_str(), size, full.data(), nullptr));
  return full.empty() ? given : full;
}

// The shell takes lists of paths, each ended by a NUL, the list by another.
std::wstring pathList(const std::string& path) { return absolutePath(path) + L'\0'; }

std::error_code lastError() {
  return {static_cast<int>(GetLastError()), std::system_category()};
}

std::error_code removeEntry(const std::wstring& path, DWORD attributes);

std::error_code removeContents(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return lastError();
  std::error_code error;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..")
      error = removeEntry(folder + L'\\' + name, entry.dwFileAttributes);
  } while (!error && FindNextFileW(search, &entry));
  if (!error && GetLastError() != ERROR_NO_MORE_FILES) error = lastError();
  FindClose(search);
  return error;
}

// The file-system library of this toolchain sees no links on Windows and would
// descend through a junction into the folder it points to, so the tree is
// walked here and a reparse point is deleted as the link it is.
std::error_code removeEntry(const std::wstring& path, DWORD attributes) {
  const bool folder = attributes & FILE_ATTRIBUTE_DIRECTORY;
  if (folder && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    if (const auto error = removeContents(path)) return error;
  }
  if (folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str())) return {};
  return lastError();
}

}  // namespace

std::string lastFolderName(const std::string& path) {
  std::string name(1, '\\');
  return name.append(path, path.find_last_of('\\') + 1);
}

std::optional<std::string> shellCopyFolder(const std::string& source,
                                           const std::string& destination) {
  // The shell words a missing source in its older codes; Windows' own
  // description of it tells the user more.
  if (GetFileAttributesW(absolutePath(source).c_str()) == INVALID_FILE_ATTRIBUTES)
    return systemErrorText(GetLastError());
  const std::wstring from = pathList(source);
  const std::wstring to = pathList(destination);
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  // Its own dialogs would stop an unattended copy; failures come back here.
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI | FOF_SILENT;
  const int result = SHFileOperationW(&operation);
  if (result != 0) return shellOperationErrorText(result);
  if (operation.fAnyOperationsAborted) return systemErrorText(ERROR_CANCELLED);
  return std::nullopt;
}

std::error_code removeFolderTree(const std::string& path) {
  std::wstring folder = wideText(path);
  // A separator at the end goes, but not the one of a drive's root ("C:\\").
  while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/') &&
         folder[folder.size() - 2] != L':')
    folder.pop_back();
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return lastError();
  return removeEntry(folder, attributes);
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
