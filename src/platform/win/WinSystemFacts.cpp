#include "platform/win/WinSystemFacts.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

constexpr DWORD kUserNameBuffer = 40;
constexpr UINT kWinDirBuffer = 255;
constexpr std::size_t kSpecialFolderBuffer = 512;

// A drive root such as "C:\" is the only path the system reports with a
// trailing backslash.
std::string folderText(std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return utf8Text(path);
}

}  // namespace

std::string WinSystemFacts::versionName() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExW(&info)) return {};
  return windowsVersionName(static_cast<int>(info.dwPlatformId),
                            static_cast<int>(info.dwMajorVersion),
                            static_cast<int>(info.dwMinorVersion));
}

bool WinSystemFacts::IsAdmin() { return IsUserAnAdmin() != FALSE; }

// A name that does not fit the buffer makes the call fail: the text stays empty.
std::string WinSystemFacts::myGetUserName() {
  wchar_t name[kUserNameBuffer] = {};
  DWORD size = kUserNameBuffer;
  if (!GetUserNameW(name, &size)) return {};
  return utf8Text(name);
}

// The call reports the length it wrote, or the size it would need when the
// buffer is too small; only the first is a path.
std::string WinSystemFacts::WinDir() {
  wchar_t folder[kWinDirBuffer] = {};
  const UINT length = GetWindowsDirectoryW(folder, kWinDirBuffer);
  if (length == 0 || length >= kWinDirBuffer) return {};
  return folderText(std::wstring(folder, length));
}

std::string WinSystemFacts::specialFolder(int folder) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, folder, &list) != S_OK) return {};
  wchar_t path[kSpecialFolderBuffer] = {};
  const BOOL found = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  return found ? folderText(path) : std::string();
}

}  // namespace mapsetdesk
