#include <cstdlib>

#include "platform/UserLocale.h"

namespace mapsetdesk {

std::string userLanguageTag() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
  }
  return {};
}

bool windowsIs64Bit() { return false; }

}  // namespace mapsetdesk
