#pragma once
// Windows command lines, read the way Windows reads them: how a program's
// start-up code splits its command line into arguments (the rules of
// CommandLineToArgvW) and how process creation finds the program at the
// start of the line. The POSIX runner follows both, so the command lines
// built for the outside programs run there unchanged.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk {

// Every argument including the first, the program. The first ends at the
// first blank or tab, or, when it begins with a quotation mark, at the next
// one; backslashes mean nothing in it. The others end at a blank or tab
// outside quotation marks; 2n backslashes before a quotation mark give n
// backslashes and the mark opens or closes a quoted part, 2n+1 give n
// backslashes and a literal mark, backslashes elsewhere stand as they are;
// two marks inside a quoted part give one literal mark and end the part.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

// The arguments after the program: the rules for every argument but the first.
std::vector<std::string> splitArguments(std::string_view text);

struct ProgramCall {
  std::string program;  // empty when the line names none
  std::vector<std::string> arguments;
};

// The program a command line starts and the arguments it gets. A quoted
// program ends at the closing mark. An unquoted one that holds blanks is
// found as process creation finds it: the text up to each blank in turn is
// tried, and the first that isFile accepts is the program; when none is, the
// text up to the first blank is.
ProgramCall parseProgramCall(std::string_view commandLine,
                             const std::function<bool(const std::string&)>& isFile);

}  // namespace mapsetdesk
