#pragma once
// Which registry view a key path is opened in.
#include <windows.h>

#include <string>

namespace mapsetdesk {

// A 32-bit program on 64-bit Windows would have "SOFTWARE\Wow6432Node" below
// its own "SOFTWARE" redirected once more, to Wow6432Node\Wow6432Node when
// created. Such a path names the keys 32-bit programs see as "SOFTWARE", so it
// is taken literally in the 64-bit view; 32-bit Windows ignores the flag.
// Every other path stays in the program's own view (0).
REGSAM registryViewOf(const std::string& path);

}  // namespace mapsetdesk
