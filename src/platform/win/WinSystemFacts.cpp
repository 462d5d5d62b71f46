#include "platform/win/WinSystemFacts.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

constexpr DWORD kUserNameBuffer = 40;
constexpr UINT kWinDirBuffer = 255;
constexpr std::size_t kSpecialFolderBuffer = 512;

// The A functions answer in the ANSI code page; the program's text is UTF-8.
// A drive root such as "C:\" is the only path the system reports with a
// trailing backslash.
std::string folderText(std::string ansiPath) {
  if (!ansiPath.empty() && ansiPath.back() == '\\') ansiPath.pop_back();
  return fromAnsi(ansiPath);
}

}  // namespace

std::string WinSystemFacts::versionName() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return {};
  return windowsVersionName(static_cast<int>(info.dwPlatformId),
                            static_cast<int>(info.dwMajorVersion),
                            static_cast<int>(info.dwMinorVersion));
}

bool WinSystemFacts::IsAdmin() { return IsUserAnAdmin() != FALSE; }

// A name that does not fit the buffer makes the call fail: the text stays empty.
std::string WinSystemFacts::myGetUserName() {
  char name[kUserNameBuffer] = {};
  DWORD size = kUserNameBuffer;
  if (!GetUserNameA(name, &size)) return {};
  return fromAnsi(name);
}

// The call reports the length it wrote, or the size it would need when the
// buffer is too small; only the first is a path.
std::string WinSystemFacts::WinDir() {
  char folder[kWinDirBuffer] = {};
  const UINT length = GetWindowsDirectoryA(folder, kWinDirBuffer);
  if (length == 0 || length >= kWinDirBuffer) return {};
  return folderText(std::string(folder, length));
}

std::string WinSystemFacts::specialFolder(int folder) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, folder, &list) != S_OK) return {};
  char path[kSpecialFolderBuffer] = {};
  const BOOL found = SHGetPathFromIDListA(list, path);
  CoTaskMemFree(list);
  return found ? folderText(path) : std::string();
}

}  // namespace mapsetdesk
