#include <windows.h>

#include "platform/UserLocale.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {

std::string userLanguageTag() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) return {};
  return utf8Text(name);
}

// A 32-bit program learns of a 64-bit Windows only through WOW64; a 64-bit
// build runs on nothing else.
bool windowsIs64Bit() {
#ifdef _WIN64
  return true;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace mapsetdesk
