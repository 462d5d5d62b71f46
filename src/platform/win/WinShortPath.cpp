#include <windows.h>

#include "platform/Codec.h"
#include "platform/ShortPath.h"

namespace mapsetdesk {

std::string shortPath(const std::string& path) {
  const std::string longPath = toAnsi(path);
  std::string shortForm(MAX_PATH, '\0');
  DWORD length =
      GetShortPathNameA(longPath.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
  if (length >= shortForm.size()) {
    // Too small: length is the size needed, with the terminating zero.
    shortForm.assign(length, '\0');
    length = GetShortPathNameA(longPath.c_str(), shortForm.data(), length);
  }
  if (length == 0 || length >= shortForm.size()) return path;
  shortForm.resize(length);
  return fromAnsi(shortForm);
}

}  // namespace mapsetdesk
