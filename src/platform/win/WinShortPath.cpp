#include <windows.h>

#include "platform/ShortPath.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {

std::string shortPath(const std::string& path) {
  const std::wstring longPath = wideText(path);
  std::wstring shortForm(MAX_PATH, L'\0');
  DWORD length =
      GetShortPathNameW(longPath.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
  if (length >= shortForm.size()) {
    // Too small: length is the size needed, with the terminating zero.
    shortForm.assign(length, L'\0');
    length = GetShortPathNameW(longPath.c_str(), shortForm.data(), length);
  }
  if (length == 0 || length >= shortForm.size()) return path;
  shortForm.resize(length);
  return utf8Text(shortForm);
}

}  // namespace mapsetdesk
