#include <windows.h>

#include "platform/Platform.h"
#include "platform/win/WideText.h"
#include "platform/win/WinRegistry.h"
#include "platform/win/WinSystemFacts.h"

namespace mapsetdesk {

// The options describe a data root and a simulated user, which only the
// file-backed twin has; Windows keeps its own registry and folders.
std::unique_ptr<Registry> openSystemRegistry(const PlatformOptions&) {
  return std::make_unique<WinRegistry>();
}

std::unique_ptr<SystemFacts> openSystemFacts(const PlatformOptions&) {
  return std::make_unique<WinSystemFacts>();
}

std::string defaultDataRoot() { return {}; }

// In UTF-8, as all text inside the program.
std::string executableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    // Cut short: the buffer was too small.
    path.assign(2 * path.size(), L'\0');
  }
  const auto separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::string() : utf8Text(path.substr(0, separator));
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + '\\' + name;
}

}  // namespace mapsetdesk
