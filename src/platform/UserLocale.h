#pragma once
// What the system says about the user and the machine where no setting says
// it: the language the user reads, and whether Windows is a 64-bit one.
#include <string>

namespace mapsetdesk {

// The user's language as a tag such as "de_DE.UTF-8" or "en-US": on POSIX
// the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty, on
// Windows the user's interface language. Empty when nothing says.
std::string userLanguageTag();

// True on a 64-bit Windows, also for a 32-bit program under WOW64; false on
// a 32-bit Windows and on every other system, whose file store keeps the
// registration where 32-bit Windows keeps it.
bool windowsIs64Bit();

}  // namespace mapsetdesk
