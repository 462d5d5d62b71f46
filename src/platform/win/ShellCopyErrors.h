#pragma once
// What a failed copy of the shell tells the user: Windows' own description of
// the failure, never a bare number.
#include <string>

namespace mapsetdesk {

// Windows' description of a system error code, in the language of the
// system, without the line break it ends with.
std::string systemErrorText(unsigned long code);

// The description of a result of SHFileOperation. Most of its results are
// system error codes; a few are the shell's own older codes, which Windows
// describes in the operation's documentation only.
std::string shellOperationErrorText(int result);

}  // namespace mapsetdesk
