#pragma once
// The message of the boundary that every event of a window and every
// command of the command line runs inside: an error nobody foresaw stops the
// one action and is shown, never the program. It is shown where the
// language may not be known, so it speaks both.
#include <string>

namespace mapsetdesk {

inline constexpr char kUnexpectedErrorTitle[] = "ZORVAN";

// what: the error's own description.
std::string unexpectedErrorText(const std::string& what);

}  // namespace mapsetdesk
